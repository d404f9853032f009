// The map selection window itself with the largest campaign indexes the reader accepts: opening
// it (which measures every title to place the list) and six scroll keys, drawn on Qt's
// offscreen platform.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <filesystem>
#include <fstream>
#include <string>

#include "board/session.h"
#include "frontend/campaign_index.h"
#include "state/program_files.h"
#include "windows/map_selection_window.h"

namespace {

using namespace quobbles;
namespace fs = std::filesystem;

std::string hugeIndex(int kind) {
  if (kind == 0) return "\"" + std::string(4000000, 'W') + "\"\r\nNext\r\n";
  std::string text;
  for (int i = 0; i < kCampaignSlots; ++i)
    text += std::string(16000, static_cast<char>('A' + i % 26)) + "\r\n";
  return text;
}
const char* const kKinds[] = {"one 4M title", "256 titles of 16k"};

struct CampaignFolder {
  explicit CampaignFolder(const std::string& index) {
    root = fs::temp_directory_path() / ("quobbles-bench-gui-" + std::to_string(::getpid()));
    fs::create_directories(root / "Campain");
    std::ofstream(root / "Campain" / "Campain.dat", std::ios::binary) << index;
    setProgramFolder(root);
    sharedSession().game.profile.LevelPassed.fill(kTrue);
    sharedSession().game.MapNumber = 0;
  }
  ~CampaignFolder() { fs::remove_all(root); }
  fs::path root;
};

void BM_OpenWindow(benchmark::State& state) {
  CampaignFolder folder(hugeIndex(static_cast<int>(state.range(0))));
  state.SetLabel(kKinds[state.range(0)]);
  for (auto _ : state) {
    MapSelectionWindow window;
    window.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_OpenWindow)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_SixScrollKeys(benchmark::State& state) {
  CampaignFolder folder(hugeIndex(static_cast<int>(state.range(0))));
  state.SetLabel(kKinds[state.range(0)]);
  MapSelectionWindow window;
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    for (const char* key : {"2", "2", "2", "8", "8", "8"}) {
      QKeyEvent press(QEvent::KeyPress, key[0] == '2' ? Qt::Key_2 : Qt::Key_8, Qt::NoModifier,
                      QString::fromLatin1(key));
      QApplication::sendEvent(&window, &press);
    }
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SixScrollKeys)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
