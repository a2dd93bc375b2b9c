#pragma once

#include "widgets/FormLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <vector>

// Every control of the window by its name. Arrays of like controls keep their index;
// the cells of lblStandartColor and lblSF beyond element 0 are created later by their rooms.
struct Controls {
    // Main panel
    QGroupBox* fraStCol = nullptr;
    std::array<FormLabel*, 16> lblStandartColor{};
    QPushButton* cmdColorName = nullptr;
    QPushButton* cmdWinColor = nullptr;
    QPushButton* cmdSafe = nullptr;
    QCheckBox* chkSF = nullptr;
    std::array<FormLabel*, 3> lblColor{};
    std::array<FormLabel*, 3> lblNColor{};
    FormLabel* lblCMix = nullptr;
    QGroupBox* fraVSB = nullptr;
    std::array<QScrollBar*, 3> vsbColor{};
    QScrollBar* vsbDL = nullptr;
    QScrollBar* vsbSaturation = nullptr;
    QScrollBar* vsbTone = nullptr;
    FormLabel* lblR = nullptr;
    FormLabel* lblG = nullptr;
    FormLabel* lblB = nullptr;
    FormLabel* lblL = nullptr;
    FormLabel* lblD = nullptr;
    FormLabel* lblC = nullptr;
    FormLabel* lblT = nullptr;
    FormLabel* lblH = nullptr;
    QLineEdit* txtHex = nullptr;
    QComboBox* cboWhat = nullptr;
    QLineEdit* txtDec = nullptr;
    QPushButton* cmdSend = nullptr;
    QWidget* liLight = nullptr;
    QWidget* liDark = nullptr;
    QWidget* liL2 = nullptr;
    QWidget* liD2 = nullptr;
    QPushButton* cmdTagEditor = nullptr;
    QCheckBox* chkOnTop = nullptr;
    FormLabel* lblURL = nullptr;

    // Scheme-editor panel: null until the extra panels are built
    std::array<FormLabel*, 5> lblTag{};
    std::array<QRadioButton*, 5> optTag{};
    FormLabel* lblBold = nullptr;
    QComboBox* cboStore = nullptr;
    QPushButton* cmdStoreTag = nullptr;
    QPushButton* cmdCopyTag = nullptr;
    QPushButton* cmdDeleteTag = nullptr;
    QPlainTextEdit* txtTag = nullptr;

    // Safe-palette panel: likewise
    QGroupBox* fraSF = nullptr;
    std::vector<FormLabel*> lblSF; // element 0 with the panel, the rest from the first opening
    QGroupBox* fraPerformance = nullptr;
    std::array<QRadioButton*, 6> optPerformance{};

    // Hole panel
    FormLabel* lblBottom = nullptr;
    QScrollBar* vsHoleBottom = nullptr;
    FormLabel* lblHBottom = nullptr;
    QScrollBar* vsHoleTop = nullptr;
    QPushButton* cmdResetHole = nullptr;
    QScrollBar* vsHoleRoundY = nullptr;
    FormLabel* Label1 = nullptr;
    QScrollBar* vsHoleRoundX = nullptr;
    FormLabel* lblHRight = nullptr;
    QScrollBar* vsHoleRight = nullptr;
    FormLabel* lblLeft = nullptr;
    QScrollBar* vsHoleLeft = nullptr;
};
