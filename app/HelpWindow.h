#pragma once
// The help window: the program's manual in Russian, an HTML page kept as a Qt resource and
// shown in a text browser. One help window serves every window of the program.
#include <QWidget>

class QTextBrowser;

namespace Fourier {

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr const char* Page = "qrc:/help/help.html";
    static constexpr int FirstWidth = 720, FirstHeight = 640; // at first opening

    // A window of its own that closes with owner's window.
    explicit HelpWindow(QWidget* owner);

    // Brings the window forward at the section named by anchor, or where the reader left it.
    void ShowSection(const QString& anchor);

    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

// The help window, created on first use beside the window of from, shown at anchor
// ("lab" for the lab's section; "" keeps the place the reader left it at).
HelpWindow* ShowHelp(QWidget* from, const QString& anchor = {});

} // namespace Fourier
