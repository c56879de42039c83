#include "Platform.h"
#include "UnMain.h"

int main(int argc, char *argv[])
{
    Application::preferX11();
    Application application(argc, argv);
    application.setWindowIcon(Picture(QStringLiteral("car")));
    CreateForms();
    FMain->show();
    const int result = application.exec();
    DestroyForms();
    return result;
}
