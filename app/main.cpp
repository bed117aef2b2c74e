#include "catalogues.h"
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
    QTextStream out(stdout);
    QTextStream err(stderr);
    // --help and --version need no display: they are answered on a
    // QCoreApplication, in the user's language.
    if (app::onlyAnswersQuestions(rawArguments(argc, argv))) {
        QCoreApplication core(argc, argv);
        i18n::installTranslators(core);
        return app::handleCommandLine(QCoreApplication::arguments(), out, err).value_or(app::kExitOk);
    }

    // Anything else is read after QApplication has taken Qt's own options
    // (-style, -platform, -session, -reverse, ...) from the command line.
    app::setIdentity();
    QApplication application(argc, argv);
    i18n::installTranslators(application);
    if (const auto status = app::handleCommandLine(QCoreApplication::arguments(), out, err))
        return *status;

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
