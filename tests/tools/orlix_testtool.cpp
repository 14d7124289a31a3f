// Helps the end-to-end tests look at the real window:
//   orlix-testtool keys N              the arrow keys (xdotool names) of a
//                                      perfect trace of outline N
//   orlix-testtool text TEXT W H FILE  TEXT as the game draws a counter
//                                      line in a W x H rectangle, as PNG
//   orlix-testtool log-lines           the log lines the tests follow, as
//                                      shell assignments LOG_<name>='...'
#include "BoardPlayer.h"
#include "LogLines.h"
#include "ResourceBitmapLoader.h"
#include "TestView.h"
#include "VirtualKeys.h"

#include <QGuiApplication>
#include <cstdio>
#include <string_view>

namespace {
const char* KeyName(unsigned vk) {
    switch (vk) {
    case VK_LEFT:
        return "Left";
    case VK_UP:
        return "Up";
    case VK_RIGHT:
        return "Right";
    default:
        return "Down";
    }
}

int PrintPerfectTrace(int outline) {
    const ResourceBitmapLoader artwork;
    TestView t(800, 540, artwork);
    t.Select(outline);
    BoardPlayer player(t);
    while (t.Probe().m_nGameState == GameState::Tracing) {
        const unsigned key = player.ArrowToGreen();
        if (key == 0) {
            std::fprintf(stderr, "outline %d cannot be traced with arrows alone\n", outline);
            return 1;
        }
        t.Key(key);
        std::printf("%s\n", KeyName(key));
    }
    return t.Probe().m_nMisses == 0 ? 0 : 1;
}

// None of the lines holds a quote.
int PrintLogLines() {
    for (const LogLine& line : LogLines::kAll)
        std::printf("LOG_%s='%s: %s'\n", line.name, line.category, line.text);
    return 0;
}

int RenderLine(const char* text, int width, int height, const char* file) {
    return RenderCentredLine(text, {0, 0, width, height}).save(file, "PNG") ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "log-lines")
        return PrintLogLines(); // needs no display
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 3 && args[1] == "keys")
        return PrintPerfectTrace(args[2].toInt());
    if (args.size() == 6 && args[1] == "text")
        return RenderLine(argv[2], args[3].toInt(), args[4].toInt(), argv[5]);
    std::fprintf(stderr, "usage: orlix-testtool keys N | text TEXT W H FILE | log-lines\n");
    return 2;
}
