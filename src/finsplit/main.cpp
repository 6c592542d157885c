// finsplit: cuts a fish file into its frame bitmaps.
#include <filesystem>
#include <system_error>

#include "finsplit/window.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  return ui::runWindowApp(argc, argv, [] {
    return std::make_unique<finsplit::Window>(ui::startFolder());
  });
}
