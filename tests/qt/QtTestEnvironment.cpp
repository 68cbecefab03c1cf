// The Qt host's tests run under one QApplication, made before the first test (offscreen in ctest).
#include <memory>

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtTestEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) m_application = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "tests_qt";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

}  // namespace
