// Time from process start to the first task on screen, on the demo host folder.
// Usage: start_bench <host folder>

#include "Anwendung.h"
#include "display/MainFrm.h"

#include <QApplication>
#include <QFile>
#include <QLabel>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Seconds since boot at which this process started, from /proc (clock-tick resolution).
double prozessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> felder = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // Field 22 of the line, the 20th after the command name.
    return felder.value(19).toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double seitBoot() {
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

class MessendeAnwendung : public zafku::Anwendung {
  protected:
    int spiele(zafku::MainFrm& hauptfenster) override {
        hauptfenster.show();
        QApplication::processEvents();
        const double ms = (seitBoot() - prozessStart()) * 1000.0;
        std::printf("start_to_first_task: %.0f ms\n", ms);
        std::printf("first_task_word: %s\n",
                    qPrintable(hauptfenster.lueckWortLbl->text().simplified()));
        return hauptfenster.lueckWortLbl->text().isEmpty() ? 1 : 0;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: start_bench <host folder>\n");
        return 2;
    }
    MessendeAnwendung anwendung;
    return anwendung.starte(
        QStringLiteral("\"Version=4;VeskFeldName=LIE_;nSpieler=2;Anna;Tim;anna01;tim02;\""),
        QString::fromLocal8Bit(argv[1]));
}
