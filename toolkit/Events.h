#pragma once
// Event plumbing shared by every control: handler types, the guarded dispatcher
// that turns an escaping exception into the error box, and the injectable hooks.
#include "ErrorReport.h"

#include <cstdint>
#include <functional>
#include <string>

namespace Fourier::Toolkit {

class TObject {
  public:
    explicit TObject(std::string name) : name_(std::move(name)) {}
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    const std::string& Name() const { return name_; }

  private:
    std::string name_;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum TShiftFlag : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = uint8_t;

// Virtual key codes as the classic desktop numbers them (only these are named).
inline constexpr uint16_t vkBack = 8;
inline constexpr uint16_t vkTab = 9;
inline constexpr uint16_t vkReturn = 13;
inline constexpr uint16_t vkEscape = 27;
inline constexpr uint16_t vkLeft = 37;
inline constexpr uint16_t vkUp = 38;
inline constexpr uint16_t vkRight = 39;
inline constexpr uint16_t vkDown = 40;
inline constexpr uint16_t vkInsert = 45;
inline constexpr uint16_t vkDelete = 46;

using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;

// Runs f; an exception derived from std::exception ends f and is reported
// through the dispatcher's error reporter. Every handler reached from user input runs here.
void Dispatch(const std::function<void()>& f);

// The dispatcher's reporter (ErrorReport.h), one for the main window's handlers; the
// default is MessageBoxReporter() over the active window.
void SetErrorReporter(TErrorReporter reporter); // empty restores the default
void ReportError(const std::string& message);   // appends the full stop, then reports

using TBeepHook = std::function<void()>;
void SetBeep(TBeepHook beep); // empty restores the default (QApplication::beep)
void Beep();

} // namespace Fourier::Toolkit
