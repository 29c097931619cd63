#pragma once
// VCL-like controls over Qt widgets. The window logic sees only these classes;
// each control is realised by one QWidget whose objectName is the control's name.
//
// Changes made by code never emit a Qt signal into a handler: the adapter sets the
// widget under a QSignalBlocker and, where the classic toolkit fires an event for
// that change, calls the handler directly, so exceptions travel through nested
// handlers to the one dispatcher at the user-input boundary.
#include "Canvas.h"
#include "Colors.h"
#include "Events.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace Fourier::Toolkit {

class TForm;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TBevel { bvNone, bvRaised, bvLowered };

class TControl : public TObject {
  public:
    ~TControl() override;

    QWidget* Widget() const { return widget_; }
    TControl* Parent() const { return parent_; }
    TForm* Form() const { return form_; }

    // Visible is the control's own flag: a visible child of a hidden parent stays Visible.
    void SetVisible(bool v);
    bool Visible() const { return visible_; }
    // A withheld control's widget stays hidden whatever SetVisible says, so that a control a
    // lesson hides is not brought back by the window's own logic; Visible() and the layout go
    // on as if it were there.
    void SetWithheld(bool withheld);
    bool Withheld() const { return withheld_; }
    void SetEnabled(bool e);
    bool Enabled() const { return enabled_; }

    // Geometry in the parent's coordinates. Aligned controls are placed by the parent;
    // for them only the size across the alignment is taken from SetWidth/SetHeight.
    void SetBounds(int left, int top, int width, int height);
    void SetWidth(int w);
    void SetHeight(int h);
    int Left() const { return left_; }
    int Top() const { return top_; }
    virtual int Width() const { return width_; }
    virtual int Height() const { return height_; }
    void SetAlign(TAlign a);
    TAlign Align() const { return align_; }

    void SetColor(TColor c);     // background
    void SetFontColor(TColor c); // text
    void SetHint(const std::string& hint);
    void SetTabStop(bool t);
    void SetFocus();
    bool Focused() const;

    // Places aligned children in the client rectangle (top, bottom, left, right,
    // then the filling one, each in creation order; hidden ones take no space), pushes
    // every child's geometry to its widget, then realigns the children in turn.
    // Runs at once on every change of size, alignment or visibility, shown or not.
    void Realign();

  protected:
    TControl(TControl* parent, std::string name, QWidget* widget);
    // The rectangle left to aligned children (inside a bevel or a caption).
    virtual TRect ClientRect() const;
    virtual void BoundsChanged() {}
    // The width a control that sizes itself asks for (a label's caption), or -1. The
    // parent's Realign grants it only the room up to the nearest visible sibling to its
    // right that shares one of its rows, or up to the parent's client edge: a caption too
    // wide for its place is clipped there instead of running into its neighbour.
    virtual int NaturalWidth() const { return -1; }

  private:
    friend class TForm;
    void Relayout();      // after a change of this control's own record
    void ApplyGeometry(); // the record to the widget
    int RoomRightOf(const TControl* child) const;
    TControl* parent_;
    TForm* form_;
    QPointer<QWidget> widget_; // null once Qt has deleted it with its window
    std::vector<TControl*> children_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    bool withheld_ = false;
};

class TPanel : public TControl {
  public:
    TPanel(TControl* parent, std::string name);
    void SetBevelOuter(TBevel b); // default bvRaised, 1 pixel
    void SetCaption(const std::string& caption);

  protected:
    TRect ClientRect() const override;

  private:
    TBevel bevel_ = TBevel::bvRaised;
};

class TLabel : public TControl {
  public:
    TLabel(TControl* parent, std::string name);
    // With AutoSize (the default, as in the classic toolkit) a new caption resizes the
    // label to the text's advance and line height, its top-left corner staying put, as
    // far as its neighbours leave room (see NaturalWidth).
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetAutoSize(bool a);

  protected:
    int NaturalWidth() const override;

  private:
    void FitText();
    bool autoSize_ = true;
    int captionWidth_ = -1; // the caption's advance once one is set, with AutoSize on
};

class TEdit : public TControl {
  public:
    TEdit(TControl* parent, std::string name);
    std::string Text() const;
    // A different text places the caret at the start and fires OnChange; the same text does
    // nothing.
    void SetText(const std::string& text);
    void SetReadOnly(bool r);
    bool ReadOnly() const;
    TNotifyEvent OnChange;
};

class TCheckBox : public TControl {
  public:
    TCheckBox(TControl* parent, std::string name);
    void SetCaption(const std::string& caption);
    bool Checked() const;
    // A different value fires OnClick as a user click would; the same value does nothing.
    void SetChecked(bool c);
    TNotifyEvent OnClick;
};

// Push buttons and flat speed buttons share the caption with its "&" accelerator.
class TButtonControl : public TControl {
  public:
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    char16_t Accelerator() const; // upper-case letter after "&", 0 if none
    // Runs OnClick even when the button is hidden or disabled.
    void Click();
    TNotifyEvent OnClick;

  protected:
    TButtonControl(TControl* parent, std::string name, QWidget* widget);

  private:
    std::string caption_;
};

class TButton : public TButtonControl {
  public:
    TButton(TControl* parent, std::string name);
    void SetDefault(bool d); // no effect: Enter is routed by the form's key preview
};

class TSpeedButton : public TButtonControl {
  public:
    TSpeedButton(TControl* parent, std::string name); // flat, never takes the focus
};

class TGroupBox : public TControl {
  public:
    TGroupBox(TControl* parent, std::string name);
    void SetCaption(const std::string& caption);
    TNotifyEvent OnClick; // a click on the box's own free area

  protected:
    TRect ClientRect() const override;
};

class TRadioGroup : public TControl {
  public:
    TRadioGroup(TControl* parent, std::string name);
    void SetCaption(const std::string& caption);
    void SetItems(const std::vector<std::string>& items);
    // Item i's caption in place, the choice and the buttons kept (a change of language).
    void SetItemCaption(int i, const std::string& caption);
    int ItemIndex() const;
    void SetItemIndex(int i); // clamped to -1 .. count-1; no handler of its own

  protected:
    void BoundsChanged() override;

  private:
    void ArrangeButtons();
};

class TComboBox : public TControl {
  public:
    TComboBox(TControl* parent, std::string name); // drop-down list, no free text
    void SetItems(const std::vector<std::string>& items);
    // Item i's text in place, the selection kept and no handler run (a change of language).
    void SetItemText(int i, const std::string& text);
    int ItemIndex() const;
    std::string Text() const;              // selected item's text, empty while nothing is selected
    void SetText(const std::string& text); // selects a matching item; other texts do nothing
    TNotifyEvent OnChange;                 // user selection, mouse or keyboard
};

class TTrackBar : public TControl {
  public:
    TTrackBar(TControl* parent, std::string name); // horizontal, ticks below at every unit
    void SetMin(int v);                            // ignored when above Max
    void SetMax(int v);                            // ignored when below Min
    void SetPosition(int v);                       // clamped into [Min, Max]
    void SetPageSize(int v);
    int Min() const;
    int Max() const;
    int Position() const;
    int PageSize() const;
    // Every user step (drag move, arrow, page, click beside the thumb, wheel) and once
    // more at the end of the drag or key press. Changes from code fire nothing.
    TNotifyEvent OnChange;
    // While the thumb is dragged with the mouse, a tooltip beside it shows DragHint(the
    // position under the mouse), unless that is empty; it goes with the release. Nothing
    // else changes: the tooltip is a window of its own.
    std::function<std::string(int position)> DragHint;
};

// An integer field with arrows. The user's keys: Up and Down (and the arrow buttons, the
// wheel) step Value by 1 within the range; Page Up and Page Down do nothing; typed
// characters other than digits, "+", "-", the decimal separator and control characters
// (Enter excluded) are refused with Beep(). Focus from Tab selects the whole text; losing
// the focus to another control writes the clamped Value back.
class TSpinEdit : public TControl {
  public:
    TSpinEdit(TControl* parent, std::string name); // range 0..0, text "0"
    void SetMinValue(int v);
    void SetMaxValue(int v);
    int MinValue() const;
    int MaxValue() const;
    // The text as a decimal integer (leading blanks and a sign allowed), not clamped;
    // text that is not one, or is out of the int range, reads as MinValue.
    int Value() const;
    // Clamped into [MinValue, MaxValue] (unless the two are equal: then no range applies),
    // written as text (fires OnChange on a real change).
    void SetValue(int v);
    std::string Text() const;
    // Caret to the end, where the user goes on typing; OnChange on a real change.
    void SetText(const std::string& text);
    int SelStart() const; // the selection's start, or the caret when nothing is selected
    int SelLength() const;
    void SetSelLength(int n); // keeps the selection's start; 0 leaves the caret there
    void SelectAll();         // the next typed character replaces the whole text
    TNotifyEvent OnChange;    // every real change of the text, by the user or by code

  private:
    int minValue_ = 0;
    int maxValue_ = 0;
    QString text_; // as last reported, so an edit that leaves it as it was fires nothing
};

class TImage : public TControl {
  public:
    TImage(TControl* parent, std::string name);
    // The picture's canvas; the picture is created at the control's size on first use.
    TCanvas& Canvas();
    bool HasPicture() const;
    const QImage& Picture() const;
    // The bitmap as it stands now, stretched over the whole picture as StretchDraw does, but
    // done when the picture is next read, drawn on or painted: a graph drawn in several
    // strokes is then stretched once. The bitmap's pixels are shared until it is next drawn
    // on, so what is shown is what the bitmap held at this call.
    void StretchLater(const TBitmap& source);
    // Grows with every change of the picture, a pending stretch counted when it is asked
    // for; reading it does not carry the stretch out.
    uint64_t Version() const;

  protected:
    void BoundsChanged() override;

  private:
    void CreatePicture();
    void StretchPending() const;
    // Mutable: a stretch asked for earlier is carried out when the picture is read.
    mutable QImage picture_;
    std::unique_ptr<TCanvas> canvas_;
    mutable QImage pendingSource_;
    TRect pendingRect_;
    uint64_t stretchRequests_ = 0;
    mutable uint64_t stretchVersions_ = 0; // the canvas versions the pending stretches made
};

} // namespace Fourier::Toolkit
