#pragma once
// Random gestures for `ldr script`, reproducible from a seed.

#include <cstdint>
#include <random>
#include <sstream>
#include <string>

namespace ldr::test {

// Gestures a user can make on 798 x 700 boards, over the nets at the top of
// the view, with every answer the gesture may ask for queued before it.
class GestureScript {
public:
  explicit GestureScript(std::uint32_t seed) : mRandom(seed) {}

  // A script that opens the project, loads a subroutine and makes the gestures.
  std::string Make(const std::string& project, int gestures) {
    std::ostringstream out;
    out << "open " << project << "\ninit\nload " << (Chance(5) ? 1 : 2) << "\n";
    for (int i = 0; i < gestures; ++i) out << Gesture();
    return out.str();
  }

private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(mRandom); }
  bool Chance(int oneIn) { return Pick(oneIn) == 0; }
  // A point on the right board, mostly on grid points.
  std::string Point() {
    const int x = 14 * Pick(55) + (Chance(4) ? Pick(14) - 7 : 0);
    const int y = 14 * Pick(50) + (Chance(4) ? Pick(14) - 7 : 0);
    return std::to_string(x) + " " + std::to_string(y);
  }
  std::string Row() { return std::to_string(14 * Pick(50) + 7); }

public:
  // The lines of one gesture.
  std::string Gesture() {
    static const char* elements[] = {
        "ID_LDirectContact", "ID_LInvertedContact", "ID_LPositiveContact", "ID_LDirectCoil",
        "ID_LSETCoil",       "ID_LRESETCoil",       "ID_LGraterThen",      "ID_LADD",
        "ID_LStoreDirect",   "ID_Increment",        "ID_FunctionReturn",   "ID_LInRange"};
    static const char* stripTools[] = {"ID_NewNet",        "ID_InsertComment", "ID_AppendLdrNet",
                                       "ID_SelectAll",     "ID_CollapseNets",  "ID_ExpandNets",
                                       "ID_ExpandAllNets", "ID_DisableNets",   "ID_EnableNets"};
    const std::string mb = "operand MB " + std::to_string(Pick(100)) + "\n";
    switch (Pick(14)) {
    case 0:
    case 1:
    case 2:
      return mb + mb + "tool " + elements[Pick(12)] + "\nclick " + Point() + "\n";
    case 3:
      return "tool ID_LDrawLine\ndrag " + Point() + " " + Point() + "\ntool ID_LDrawLine\n";
    case 4:
    case 5:
      return "drag " + Point() + " " + Point() + "\n";
    case 6:
      return "click " + Point() + "\n";
    case 7:
      return "ldown 1 " + std::to_string(Pick(3)) + " 10 " + Row() + "\nlup 1 0 10 " + Row() + "\n";
    case 8: {
      const std::string from = Row(), to = Row();
      return "ldown 1 0 10 " + from + "\nlmove 1 0 10 " + to + "\nlup 1 0 10 " + to + "\n";
    }
    case 9:
      return "key 27\n";
    case 10:
      return "tool " + std::string(Chance(2) ? "ID_NewNet" : "ID_InsertComment") + "\nclick " + Point() + "\n";
    case 11:
      return std::string("answer 6 6\ntool ") + stripTools[Pick(9)] + "\n";
    case 12:
      return "dialog LBL" + std::to_string(Pick(1000)) + "\ntool ID_LSetLabel\nclick " + Point() + "\n";
    default:
      return Chance(2) ? "dialog LBL" + std::to_string(Pick(1000)) + "\ndblclick " + Point() + "\n"
                       : "vscroll " + std::to_string(Pick(60)) + "\n";
    }
  }

private:
  std::mt19937 mRandom;
};

} // namespace ldr::test
