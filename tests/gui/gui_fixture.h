#pragma once

// Shared set-up of the GUI tests: a fresh program folder and data folder, the context built
// from them as start-up builds it, and fake services.

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QString>
#include <QWidget>
#include <QtGlobal>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "../support/temp_dir.h"
#include "app/context.h"
#include "app/folders.h"
#include "testing/fake_services.h"

namespace kombora::gui::testing {

class GuiFixture {
  public:
    GuiFixture() : folders_(MakeAppFolders(dir_.path() / "bin", dir_.path() / "data")) {
        std::filesystem::create_directories(folders_.exeFolder);
    }

    // Writes the settings file before the context is built.
    void WriteSettings(std::string_view text) {
        dir_.Write(std::filesystem::path("data") / "Einstellungen.ini", text);
    }
    std::string ReadSettings() const {
        return dir_.Read(std::filesystem::path("data") / "Einstellungen.ini");
    }
    bool SettingsExist() const { return std::filesystem::exists(folders_.SettingsFile()); }

    // Start-up's steps without a window: folders, language, own systems, catalogue.
    AppContext& Initialize() {
        InitializeContext(context_, folders_);
        return context_;
    }

    void CreateHelpFolder() {
        for (const char* page :
             {"1010", "1030", "1040", "1050", "1060", "1070", "1080", "1090", "1100"}) {
            dir_.Write(std::filesystem::path("bin") / "help" / (std::string(page) + ".html"),
                       "<html><body><h1>Help</h1></body></html>");
        }
    }

    const AppFolders& folders() const { return folders_; }
    AppContext& context() { return context_; }
    FakeServices& fake() { return fake_; }
    Services& services() { return fake_.services(); }
    const kombora::testing::TempDir& dir() const { return dir_; }

  private:
    kombora::testing::TempDir dir_;
    AppFolders folders_;
    AppContext context_;
    FakeServices fake_;
};

// The offscreen platform warns on every opacity step of the fade and every raise(); those
// warnings say nothing about the program.
inline void QuietPlatformWarnings() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
            if (previous) previous(type, context, message);
        });
}

// Runs the deletions that closing windows have queued.
inline void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace kombora::gui::testing
