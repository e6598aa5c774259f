// The browser component as a program loads it: librvbx.so by its entry points, and its
// information window drawn by Qt.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>
#include <memory>
#include <string>

#include "rvbx/IExec.h"
#include "rvbx/RvbxEntry.h"

namespace ravlet::rvbx {
namespace {

struct Closer {
    void operator()(void* handle) const { dlclose(handle); }
};

TEST(RvbxLibrary, CreatesExecAndShowsItsInformationWindow) {
    std::unique_ptr<void, Closer> lib(
        dlopen((std::string(RAVLET_BUILD_DIR) + "/librvbx.so").c_str(), RTLD_NOW | RTLD_LOCAL));
    ASSERT_TRUE(lib) << dlerror();
    auto create = reinterpret_cast<DllGetClassObjectFn>(dlsym(lib.get(), "DllGetClassObject"));
    auto canUnload = reinterpret_cast<DllCanUnloadNowFn>(dlsym(lib.get(), "DllCanUnloadNow"));
    ASSERT_TRUE(create && canUnload && dlsym(lib.get(), "DllRegisterServer") &&
                dlsym(lib.get(), "DllUnregisterServer"));
    void* object = nullptr;
    EXPECT_EQ(create("RVBXmenu.Other", &object), kCLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    ASSERT_EQ(create(kProgId, &object), kS_OK);
    IExec* exec = static_cast<IExec*>(object);
    EXPECT_EQ(canUnload(), kS_FALSE);
    EXPECT_EQ(exec->DebugMode(), 0);

    std::string text = "first\nsecond";
    exec->Info(text);
    EXPECT_EQ(text, "first\r\nsecond");
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == "RavLet Integration Component") window = w;
    ASSERT_NE(window, nullptr);
    const auto* label = window->findChild<QLabel*>();
    const auto* info = window->findChild<QPlainTextEdit*>();
    ASSERT_TRUE(label && info);
    EXPECT_EQ(label->text().toStdString(), " Version 0.1.3");
    EXPECT_EQ(info->toPlainText().toStdString(), "first\nsecond");
    window->resize(600, 400);
    QApplication::processEvents();
    EXPECT_EQ(info->geometry(),
              QRect(info->x(), info->y(), 600 - 2 * info->x(), 400 - info->y() - info->x()));
    window->close();
    QApplication::processEvents();

    exec->Release();
    EXPECT_EQ(canUnload(), kS_OK);
}

}  // namespace
}  // namespace ravlet::rvbx
