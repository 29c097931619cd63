#pragma once
// A fresh main window per test, started in a scratch folder that holds the shipped
// velmora.cfg (or none), with error boxes and beeps captured instead of shown.
#include "Unit1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class FormFixture : public ::testing::Test {
  protected:
    void SetUp() override { StartWindow(true); }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previousDir_);
        Fourier::Toolkit::SetErrorReporter({});
        Fourier::Toolkit::SetBeep({});
    }

    void StartWindow(bool withConfig) {
        StartWindowWith([withConfig](const QString& config) {
            if (withConfig) {
                ASSERT_TRUE(QFile::copy(FOURIER_SOURCE_DIR "/velmora.cfg", config));
            }
        });
    }

    // prepare puts whatever it likes at the path of velmora.cfg in the scratch folder.
    template <class Prepare> void StartWindowWith(Prepare prepare) {
        form.reset();
        errors.clear();
        previousDir_ = QDir::currentPath();
        ASSERT_TRUE(dir_.isValid());
        const QString config = dir_.filePath("velmora.cfg");
        QFile::remove(config);
        QDir(config).removeRecursively();
        prepare(config);
        QDir::setCurrent(dir_.path());
        Fourier::Toolkit::SetErrorReporter([this](const std::string& m) { errors.push_back(m); });
        Fourier::Toolkit::SetBeep([this] { ++beeps; });
        form = std::make_unique<TForm1>();
    }

    // Shows the window and gives it the keyboard, as a user's desktop would.
    void ShowAndActivate() {
        form->Show();
        QWidget* window = form->Widget();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Chooses a waveform with the keyboard: its number jumps straight to its item.
    void Choose(int index) {
        QWidget* combo = form->ComboBox1->Widget();
        combo->setFocus();
        QApplication::setKeyboardInputInterval(0); // each key is a search of its own
        QTest::qWait(2);
        QTest::keyClick(combo, static_cast<char>('1' + index));
        ASSERT_EQ(form->ComboBox1->ItemIndex(), index);
    }

    std::unique_ptr<TForm1> form;
    std::vector<std::string> errors;
    int beeps = 0;

  private:
    QTemporaryDir dir_;
    QString previousDir_;
};
