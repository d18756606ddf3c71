#include "testsupport.h"

#include <QtTest>

class TestImporter : public QObject
{
    Q_OBJECT
};

GARVO_TEST_GUILESS_MAIN(TestImporter)
#include "tst_importer.moc"
