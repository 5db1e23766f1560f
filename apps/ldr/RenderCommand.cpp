// `ldr render PROJECT --func N [--scroll ROW] [--size WxH] -o FILE`: a picture
// of a subroutine as the editor shows it, without a script.
#include "apps/ldr/Commands.h"
#include "apps/ldr/script/HeadlessEditor.h"
#include "core/ProjectDatabase.h"
#include "outside/headless/MemoryLog.h"
#include "platform/boards/BoardPicture.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <stdexcept>

namespace ldr::cli {

namespace {

struct RenderOptions {
  std::string project;
  long funcID = 2;
  long scroll = 0;
  std::string size = "798x700";
  std::string output;
};

std::pair<int, int> ParseSize(const std::string& text) {
  const auto x = text.find('x');
  try {
    if (x == std::string::npos) throw std::invalid_argument(text);
    size_t used = 0;
    const int width = std::stoi(text.substr(0, x), &used);
    const int height = std::stoi(text.substr(x + 1));
    if (used != x || width <= script::HeadlessEditor::kLeftBoardWidth || height <= 0) throw std::invalid_argument(text);
    return {width, height};
  } catch (const std::logic_error&) {
    throw std::invalid_argument("--size takes WIDTHxHEIGHT in pixels, wider than 28: " + text);
  }
}

void Render(const RenderOptions& options) {
  const auto [width, height] = ParseSize(options.size);
  // Host messages and errors go to standard error, the picture to the file.
  auto log = std::make_shared<MemoryLog>(std::cerr);
  script::HeadlessEditor editor(ProjectDatabase::OpenCopy(options.project), log);
  editor.Init(width, height);
  editor.Main().LoadFunction(options.funcID);
  if (options.scroll != 0) editor.MainBoard().MemoryBar("vscrl").UserChange(static_cast<int>(options.scroll));
  editor.Main().RedrawAll();
  RenderBoards(editor.LeftBoard(), editor.RightBoard(), options.output);
}

} // namespace

void AddRenderCommand(CLI::App& app) {
  auto* command = app.add_subcommand("render", "Draw a subroutine as the editor shows it (PNG, SVG or PDF)");
  auto options = std::make_shared<RenderOptions>();
  command->add_option("PROJECT", options->project, "project file")->required();
  command->add_option("--func", options->funcID, "subroutine ID (default 2)");
  command->add_option("--scroll", options->scroll, "first grid row shown");
  command->add_option("--size", options->size, "board size WIDTHxHEIGHT in pixels (default 798x700)");
  command->add_option("-o,--output", options->output, "picture file (.png, .svg, .pdf)")->required();
  command->callback([options] { Render(*options); });
}

} // namespace ldr::cli
