// The tag field's text is copied and stored exactly as it was given, however long.
#include "SchemeFixture.h"

#include <QElapsedTimer>
#include <iostream>

namespace {

struct Given {
    const char* what;
    QString text;
};

void PrintTo(const Given& c, std::ostream* os) {
    *os << c.what;
}

class ExactTag : public SchemeTest, public ::testing::WithParamInterface<Given> {};

TEST_P(ExactTag, CopyAndStoreGiveTheTextAsGiven) {
    const QString& text = GetParam().text;
    preset(StoredSchemes::Section, StoredSchemes::DefaultName, DefaultTag);
    preset(StoredSchemes::Section, QStringLiteral("Given"), text);
    show();
    toggleEditor();

    QElapsedTimer timer;
    timer.start();
    form->cboStore->setCurrentIndex(1);
    form->repaint();
    std::cout << "[ selecting ] " << GetParam().what << ": " << timer.elapsed() << " ms\n";
    EXPECT_LT(tag().size(), SchemeEditor::ShownLength + 2) << "the field holds no more than it shows";
    EXPECT_TRUE(text.startsWith(tag().left(DefaultTag.size()))) << tag().left(80).toStdString();
    EXPECT_EQ(code(4), QStringLiteral("#FF0000"));

    click(form->cmdCopyTag);
    EXPECT_TRUE(desktop.clipboard == text) << "copied " << desktop.clipboard.size() << " of " << text.size();
    desktop.inputAnswers = {QStringLiteral("Copy")};
    click(form->cmdStoreTag);
    EXPECT_TRUE(storedTag(QStringLiteral("Copy")) == text);
    // Stored and chosen again from the list, it is still the same text.
    form->cboStore->setCurrentIndex(0);
    form->cboStore->setCurrentIndex(2);
    click(form->cmdCopyTag);
    EXPECT_TRUE(desktop.clipboard == text);
}

QString huge() {
    QString text = StoredSchemes::DefaultTag;
    text.reserve(10'000'000);
    while (text.size() < 10'000'000) {
        text += QStringLiteral(" <!-- a comment that someone pasted after the tag -->");
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    SchemeEditor, ExactTag,
    ::testing::Values(
        Given{"CR LF", StoredSchemes::DefaultTag + QStringLiteral("\r\n<P>\r\n")},
        Given{"lone CR", StoredSchemes::DefaultTag + QStringLiteral("\r<P>")},
        Given{"line separator", StoredSchemes::DefaultTag + QChar(0x2028) + QStringLiteral("x")},
        Given{"10 MB on one line", huge()},
        Given{"10 MB of lines", QString(huge()).replace(QStringLiteral(" <!"), QStringLiteral("\n<!"))}));

} // namespace
