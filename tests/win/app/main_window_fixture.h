// The main window in this process, on a fixed day, with the settings in the
// registry: a fixture shared by the tests that drive it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/error_report_win.h"
#include "app/main_menus.h"
#include "app/main_window_win.h"
#include "tests/fakes/fake_clock.h"
#include "tests/win/support/cleanup_sandbox.h"
#include "tests/fakes/fake_pages_host.h"
#include "tests/win/support/zenka_test_support.h"

namespace zenka::testing {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        previousReporter_ = SetErrorReporter([this](HWND, const std::string& text) { errors.push_back(text); });
    }
    void TearDown() override {
        window.reset();
        SetErrorReporter(previousReporter_);
        ClearSettings();
    }

    // Creates the window, which runs the start-up with the settings now in
    // the registry.
    TfrmZenka& Start(DWORD osMajorVersion = 6) {
        window.reset();
        MainWindowServices services;
        services.clock = &clock;
        services.osMajorVersion = osMajorVersion;
        services.osBuildNumber = osBuildNumber;
        services.cleanupPlaces = &cleanupPlaces;
        services.messageBox = [this](HWND, const std::string& text, const std::string& caption, UINT) {
            messages.push_back(caption + ": " + text);
            if (whileMessageOpen) whileMessageOpen();
            return IDOK;
        };
        services.openSettings = openSettings;
        if (moreServices) moreServices(services);
        services.help = &help;
        services.about.openLink = [this](HWND, const std::string& target) { openedLinks.push_back(target); };
        services.about.onShown = [this](HWND box) {
            if (aboutShown) aboutShown(box);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        };
        window = std::make_unique<TfrmZenka>(services);
        window->OnDestroyed = [this] { ++destroyed; };
        EXPECT_TRUE(window->Create(nullptr));
        return *window;
    }
    void StartCalendarOnly() {
        SetSetting("Kidou", "Cal", "1");
        Start();
    }

    HWND Hwnd() const { return window->Handle(); }
    HWND Child(MainWindowControl id) const { return window->Child(id); }
    void Click(MainWindowControl button) { SendMessageW(Child(button), BM_CLICK, 0, 0); }
    void Menu(MenuCommand command) { SendMessageW(Hwnd(), WM_COMMAND, command, 0); }
    void Key(WORD key) { SendMessageW(window->koyomi1.Handle(), WM_KEYDOWN, key, 1); }
    std::string Caption() const { return WindowText(Child(idLabel1)); }
    std::string Selected() const {
        const auto& k = window->koyomi1;
        return std::to_string(k.Year()) + "-" + std::to_string(k.Month()) + "-" + std::to_string(k.Day());
    }
    bool Visible() const { return IsWindowVisible(Hwnd()) != FALSE; }

    FakeClock clock{2006, 1, 1};
    // Windows 10's, unless a test asks for another: Windows 11 adds a notice
    // to the very first start.
    DWORD osBuildNumber = 19045;
    // No folder of this machine is ever emptied by a test.
    SandboxPlaces cleanupPlaces;
    // Adds to the services the window is made with.
    std::function<void(MainWindowServices&)> moreServices;
    std::unique_ptr<TfrmZenka> window;
    std::vector<std::string> errors;
    std::vector<std::string> messages;
    // Runs while a message box would be open (a timer firing, say).
    std::function<void()> whileMessageOpen;
    // Empty: the registry.
    std::function<std::unique_ptr<KeyStore>()> openSettings;
    int destroyed = 0;
    FakeHelp help;
    // What a test does with the about box while it shows; it closes after.
    std::function<void(HWND box)> aboutShown;
    std::vector<std::string> openedLinks;

private:
    ErrorReporter previousReporter_;
};

}  // namespace zenka::testing
