// Journal, the log viewer (placeholder until its frame exists).
#include "SingleInstance.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SingleInstance instance(QStringLiteral("Journal"));
    if (!instance.acquire())
        return 0;
    return 0;
}
