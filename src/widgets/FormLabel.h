#pragma once

#include "colour/modColors.h"

#include <QLabel>
#include <functional>
#include <optional>

// A label that raises the classic label events and carries the state the program keeps
// in labels: a border that doubles as an on/off switch, exact colour values (a system
// colour stays one) and a tag text.
//
// Mouse buttons are reported as 1 left, 2 right, 4 middle; the shift state as a bit set of
// 1 Shift, 2 Ctrl, 4 Alt. A double-click raises clicked, then doubleClicked.
class FormLabel : public QLabel {
    Q_OBJECT
  public:
    explicit FormLabel(QWidget* parent = nullptr);

    // 1 = single-line border, 0 = none.
    int borderStyle() const;
    void setBorderStyle(int style);

    modColors::ColourValue backColour() const { return back_; }
    void setBackColour(modColors::ColourValue colour);
    modColors::ColourValue foreColour() const { return fore_; }
    void setForeColour(modColors::ColourValue colour);
    // Transparent labels show their parent through; opaque ones fill with backColour.
    void setTransparent(bool transparent);
    // How system colours are drawn; without one, from the application's palette.
    void setSystemColours(modColors::SystemColourLookup lookup);
    const modColors::SystemColourLookup& systemColours() const { return systemColours_; }
    // Changes how the colours are drawn, not what they are: backColour and foreColour keep their
    // values. The filter gets and gives plain colours (a system colour is resolved first).
    using DisplayFilter = std::function<modColors::ColourValue(modColors::ColourValue)>;
    void setDisplayFilter(DisplayFilter filter);
    // The plain colours on the screen, after system colours and the display filter.
    modColors::ColourValue drawnBackColour() const;
    modColors::ColourValue drawnForeColour() const;

    // Sizes the label to its text once, with room for a border round the text whether one is
    // shown or not: switching the border then neither moves the text nor grows the label
    // under its neighbours. Given a room, a font too large for it is made smaller until the
    // label fits.
    void fitToText(QSize room = {});

    // Draws a one-pixel halo, black or white, round letters that stand at less than
    // FaintBelow : 1 against what lies behind them: the designed colour stays the letters'
    // colour and reads on a light or a dark desktop alike.
    void setOutlinedWhenFaint(bool outlined);
    static constexpr double FaintBelow = 3.0;

    // Qt gives a label that may take the focus a text document to draw its caption through,
    // built when the caption is set, when the label is polished and when it takes the focus. The
    // captions are plain and select nothing: the label draws them itself, focused or not, so a
    // caption neither moves when the focus comes nor costs a document at start.
    void setText(const QString& text);

    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // Makes the label a keyboard stop that answers like a button: Space or Enter raise what a
    // left click raises, the menu key (or Shift+F10) what a right button release raises, and a
    // focus mark shows while it has the focus. Assistive tools see a button, or what
    // setBorderMeans makes of it. Whether Tab stops at it is its focus policy, set apart; a click
    // never takes the focus.
    void setPressable(bool pressable);
    bool isPressable() const { return pressable_; }
    // What the border of a pressable label tells assistive tools: nothing (a plain button), a
    // switch that is on or off, or the chosen one of a set of cells.
    enum class BorderMeans { Nothing, OnOff, ChosenOfSet };
    void setBorderMeans(BorderMeans means) { borderMeans_ = means; }
    BorderMeans borderMeans() const { return borderMeans_; }
    // What the mouse button (1 left, 2 right) raises, without the mouse.
    void pressAs(int button);

    static int buttonCode(Qt::MouseButton button);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

  signals:
    void clicked();
    void doubleClicked();
    void mouseUp(int button, int shift);
    void mouseMoved();
    void borderStyleChanged();

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    template <typename Step> auto withoutTextDocument(Step step);
    std::optional<QColor> haloColour() const;
    void drawHalo(const QColor& colour);
    void drawFocusRing();
    void applyColours();
    void keepRoomForBorder();
    modColors::ColourValue drawn(modColors::ColourValue colour) const;

    modColors::SystemColourLookup systemColours_;
    DisplayFilter displayFilter_;
    modColors::ColourValue back_ = 0xFFFFFF;
    modColors::ColourValue fore_ = 0;
    bool transparent_ = false;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
    bool fittedToText_ = false;
    bool applyingColours_ = false;
    bool outlined_ = false;
    bool pressable_ = false;
    BorderMeans borderMeans_ = BorderMeans::Nothing;
    QString tag_;
};
