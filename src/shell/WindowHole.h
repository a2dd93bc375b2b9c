#pragma once

class frmTintwell;

// The rounded see-through hole cut into the window next to the preview.
class WindowHole {
  public:
    explicit WindowHole(frmTintwell& form) : f(form) {}
    void wire();

    // Start-up: read the geometry, cut the hole, set the sliders. Shut-down: write it back.
    void StartUp();
    void ShutDown();

  private:
    [[maybe_unused]] frmTintwell& f;
};
