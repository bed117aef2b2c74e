#include "commandline.h"
#include "form1.h"
#include "messagebox.h"
#include "singleinstance.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QStringList rawArguments(int argc, char *argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is handled before any display is opened, so that
    // --help and --version work without one.
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const auto status = app::handleCommandLine(rawArguments(argc, argv), out, err))
        return *status;

    app::setIdentity();
    QApplication application(argc, argv);
    // A second start in the session raises the first window and leaves.
    app::SingleInstance instance(QGuiApplication::desktopFileName());
    if (!instance.claim())
        return app::kExitOk;
    ui::QtMessageBoxes boxes;
    Form1 form(boxes);
    instance.raiseOnActivation(&form);
    form.show();
    return application.exec();
}
