// The platform and dialog tests run without a display unless one is asked
// for, and never touch the user's own settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string config = "/tmp/fw-platform-config-XXXXXX";
    if (!mkdtemp(config.data())) return 1;
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::system(("rm -rf '" + config + "'").c_str());
    return status;
}
