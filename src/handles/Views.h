#pragma once

#include <functional>

// What the rooms know of the window's views: its outer size in twips, which extra panels are
// open, and the building of those panels when the window first grows over them. The owner of
// each panel's button keeps its open state here; the others read it.
class Views {
  public:
    // Applies an outer size (width, height in twips) to the window.
    using Resize = std::function<void(int outerWidthTwips, int outerHeightTwips)>;

    Views(Resize resize, std::function<void()> buildExtraPanels)
        : resize_(std::move(resize)), buildExtraPanels_(std::move(buildExtraPanels)) {}

    int outerWidthTwips() const { return width_; }
    int outerHeightTwips() const { return height_; }
    void setOuterWidthTwips(int twips);
    void setOuterHeightTwips(int twips);

    // Builds the scheme editor's and the safe palette's controls, once; a room that fills its
    // panel before widening the window calls it first.
    void buildExtraPanels();
    bool extraPanelsBuilt() const { return panelsBuilt_; }

    bool safePaletteOpen() const { return safeOpen_; }
    bool schemeEditorOpen() const { return editorOpen_; }
    void setSafePaletteOpen(bool open);
    void setSchemeEditorOpen(bool open);
    // Told after either panel opens or closes.
    std::function<void()> panelsChanged;

  private:
    Resize resize_;
    std::function<void()> buildExtraPanels_;
    int width_ = 0;
    int height_ = 0;
    bool panelsBuilt_ = false;
    bool safeOpen_ = false;
    bool editorOpen_ = false;
};
