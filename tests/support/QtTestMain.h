#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

#include <clocale>
#include <cstdlib>

namespace velmora::test {

// The process environment of a user whose locale writes decimal commas.
// Entry texts must read the same whatever the environment says, so every
// Qt test runs under it.
inline void useForeignEnvironmentLocale()
{
    setenv("LANG", "de_DE.UTF-8", 1);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    std::setlocale(LC_ALL, "");
}

} // namespace velmora::test

// A Qt test main: a foreign environment locale, a fixed Qt default locale
// and an application object of class `AppClass` (QApplication or a subclass).
#define VELMORA_QTEST_MAIN_WITH_APP(TestClass, AppClass)                                                               \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        velmora::test::useForeignEnvironmentLocale();                                                                  \
        AppClass app(argc, argv);                                                                                      \
        QLocale::setDefault(QLocale::c());                                                                             \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

#define VELMORA_QTEST_MAIN(TestClass) VELMORA_QTEST_MAIN_WITH_APP(TestClass, QApplication)
