#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << "Zib: the main window is not built yet; this build holds the core only.\n";
    return 0;
}
