// Quorvel: drop photos on the window, or click it and pick one, and find them converted in the
// output folder. Takes no arguments.
#include <QApplication>

#include "control_looks.h"
#include "form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    // Ties the window to its menu entry, so the desktop shows the entry's name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.quorvel"));
    QApplication::setWindowIcon(quorvel::applicationIcon());
    // The program ends when Form1 says so: after its close, once a running conversion is done.
    QApplication::setQuitOnLastWindowClosed(false);
    quorvel::Form1 form(quorvel::programServices());
    QObject::connect(&form, &quorvel::Form1::unloaded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    form.show();
    return QApplication::exec();
}
