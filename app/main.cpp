#include "form1.h"
#include "messagebox.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::QtMessageBoxes boxes;
    Form1 form(boxes);
    form.show();
    return app.exec();
}
