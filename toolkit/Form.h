#pragma once
// The main window: fixed size, key preview, Alt accelerators, active control.
#include "Controls.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

class QLocale;

namespace Fourier::Toolkit {

class TForm : public TControl {
  public:
    explicit TForm(std::string name);
    ~TForm() override;

    void SetCaption(const std::string& caption);
    std::string Caption() const;
    // Window sizes are client sizes: the frame is unknown until a window manager
    // has reparented the window, and offscreen or under a bare X server there is none.
    // Width() and Height() (and SetWidth, SetHeight) of a form are its client size too;
    // every change fixes the window at that size and realigns the controls at once.
    void SetClientSize(int width, int height);

    void Show(); // centred on the screen the first time
    void Close();

    TControl* ActiveControl() const; // the control holding the keyboard focus, or null

    // Key preview: both see every key before the focused control does.
    // KeyDown may set Key to 0 to swallow the key; KeyPress may replace the character
    // (0 discards it). Neither is reached for the key of an Alt accelerator.
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    // The program's language changed: the window writes its texts again.
    TNotifyEvent OnLanguageChange;

    // Creates a control owned by this window; parent must belong to it.
    template <class T> T* Add(TControl* parent, std::string name) {
        auto control = std::make_unique<T>(parent, std::move(name));
        T* raw = control.get();
        owned_.push_back(std::move(control));
        return raw;
    }

    const std::vector<TControl*>& Controls() const { return registry_; } // creation order

  private:
    friend class TControl;
    class KeyPreview;
    void Register(TControl* c) { registry_.push_back(c); }
    bool PreviewKey(QWidget* target, class QKeyEvent* event);
    bool HandleAccelerator(class QKeyEvent* event);

    std::vector<std::unique_ptr<TControl>> owned_;
    std::vector<TControl*> registry_;
    std::unique_ptr<KeyPreview> preview_;
    bool shownOnce_ = false;
    bool resending_ = false; // a replaced character is on its way to the control
};

// Application start-up: the toolkit, the title used as the caption of every message box.
namespace Application {
// Owns the application object; create it first in main, before any window, so that
// it is destroyed after the windows and before the program's static data. Without a
// display it writes one line on standard error, naming the program by its title (set
// the title first), and ends the program with status 1.
class TSession {
  public:
    TSession(int& argc, char** argv);
    ~TSession();
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

  private:
    std::unique_ptr<class QApplication> application_;
};
// The window icon, one picture per size; the desktop picks the size it shows.
void SetIcon(std::span<const TBitmap> sizes);
// The name of the desktop entry (without ".desktop") that launches the program, so that
// the desktop can match the window with its menu entry and icon.
void SetDesktopEntry(const std::string& name);
void SetTitle(const std::string& title);
const std::string& Title();
void ApplyStyle(); // Fusion, window font; call once after QApplication exists
// Installs Qt's own translations for the language (replacing earlier ones); false when the
// distribution has none for it, and Qt's texts stay English.
bool UseQtTranslations(const QLocale& language);
int Run(); // the event loop
} // namespace Application

} // namespace Fourier::Toolkit
