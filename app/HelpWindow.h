#pragma once
// The help window: the program's manual, one HTML page per language kept as a Qt resource and
// shown in a text browser. One help window serves every window of the program; it follows the
// program's language at once, staying at the section the reader was at.
#include "Language.h"

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace Fourier {

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr const char* Page = "qrc:/help/help.html"; // Russian
    static constexpr const char* EnglishPage = "qrc:/help/help_en.html";
    static constexpr int FirstWidth = 720, FirstHeight = 640; // at first opening

    // Both pages have the same sections under the same anchors.
    static QUrl PageOf(TLanguage language);

    // A window of its own that closes with owner's window.
    explicit HelpWindow(QWidget* owner);

    // Brings the window forward at the section named by anchor, or where the reader left it.
    void ShowSection(const QString& anchor);

    QTextBrowser* Browser() const { return browser_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The title and the page of the program's language; a page changed keeps the reader's place.
    void Retranslate();

    QTextBrowser* browser_;
};

// The help window, created on first use beside the window of from, shown at anchor
// ("lab" for the lab's section; "" keeps the place the reader left it at).
HelpWindow* ShowHelp(QWidget* from, const QString& anchor = {});

} // namespace Fourier
