#include "app/application.h"
#include "app/tform1.h"

int main(int argc, char** argv)
{
    fendrimo::Application app(argc, argv);
    fendrimo::TForm1 window;
    window.show();
    return app.exec();
}
