#pragma once

#include "colour/ColourVision.h"

#include <QString>
#include <array>
#include <functional>

class FormLabel;
class QLabel;
class QObject;
class QPoint;

// Draws the miniature page as eyes that see colours differently would see it. Only the drawing
// changes: the labels keep their colours, so the slots, the tag and the stored schemes never
// see it. Each run starts with normal vision.
class PageVision {
  public:
    using Vision = colourVision::Vision;

    // The backdrop first, then the four sample words.
    explicit PageVision(std::array<FormLabel*, 5>& page) : page_(page) {}
    // Each label of the page offers the choice on its context menu; `redrawn` runs after a change.
    void wire(QObject* context, std::function<void()> redrawn);

    Vision vision() const { return vision_; }
    void setVision(Vision vision);
    // Keeps the note legible on the page colour as drawn.
    void followPage();

  private:
    void showMenu(const QPoint& globalPos);

    std::array<FormLabel*, 5>& page_;
    Vision vision_ = Vision::Normal;
    // Names the simulation in the page's corner; under the words, so it never hides them.
    QLabel* note_ = nullptr;
    std::function<void()> redrawn_;
};
