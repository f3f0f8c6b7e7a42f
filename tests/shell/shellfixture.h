#pragma once
// GUI tests run inside the program's own application object (so failures of handlers reach the
// reporter) with the settings and the log in a folder of their own.
#include "catalogue/tdmcomming.h"
#include "platform/os/applog.h"
#include "shell/tdmcommingactions.h"
#include "shell/tmainfm.h"
#include "shell/tvintoraapplication.h"
#include "support/testcatalogue.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vintora::test {

// A catalogue with the central module, the hidden main form and the command catalogue.
struct ShellFixture {
    TestCatalogue cat{QStringLiteral("sqlite")};
    std::unique_ptr<shell::TMainFM> main = std::make_unique<shell::TMainFM>();
    std::unique_ptr<catalogue::TdmComming> data = std::make_unique<catalogue::TdmComming>(cat.url());
    std::unique_ptr<shell::TdmCommingActions> actions = std::make_unique<shell::TdmCommingActions>(data.get());
    db::Connection& c() { return data->cnVintora(); }
};

} // namespace vintora::test

#define VINTORA_SHELL_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char** argv)                                                               \
    {                                                                                             \
        QTemporaryDir home;                                                                       \
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());                                         \
        qputenv("XDG_DATA_HOME", home.path().toUtf8());                                           \
        vintora::shell::TVintoraApplication app(argc, argv);                                      \
        vintora::os::AppLog::setFolder(home.path() + QStringLiteral("/log"));                     \
        TestClass t;                                                                              \
        return QTest::qExec(&t, argc, argv);                                                      \
    }
