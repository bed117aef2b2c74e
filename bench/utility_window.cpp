// The utility's start-up as its main() does it, reporting when its window is
// first shown and idle.
#include "catalogues.h"
#include "form1.h"
#include "messagebox.h"
#include "startupprobe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    i18n::installTranslators(app);
    ui::QtMessageBoxes boxes;
    Form1 form(boxes);
    bench::reportWhenShownAndIdle(&form);
    form.show();
    return app.exec();
}
