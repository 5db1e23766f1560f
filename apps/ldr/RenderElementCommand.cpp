// `ldr render-element TYPE -o FILE.png`: one element drawn as the editor
// draws it, plain, conducting, selected and both (a 2 x 2 picture).
#include "apps/ldr/Commands.h"
#include "apps/ldr/ElementSample.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

namespace ldr::cli {

namespace {

struct RenderOptions {
  std::int32_t Type = 0;
  std::string Output;
};

} // namespace

void AddRenderElementCommand(CLI::App& app) {
  auto* command = app.add_subcommand("render-element",
                                     "Draw an element type plain, conducting, selected and both into a PNG picture");
  auto options = std::make_shared<RenderOptions>();
  command->add_option("TYPE", options->Type, "element type number, e.g. 200 for a direct contact")->required();
  command->add_option("-o,--output", options->Output, "PNG file to write")->required();
  command->callback([options] {
    ElementSample::Render(options->Type).WritePng(options->Output);
    std::cout << "wrote " << options->Output << '\n';
  });
}

} // namespace ldr::cli
