// A save replaces only the map on screen: when the header finds another map,
// or the map changed in the file since it was loaded, the user is asked first.
#include <QLineEdit>
#include <QPushButton>

#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class Conflicts : public FormTest {
protected:
    void SetUp() override { writeSheet(coordinateSheet()); }
    void paintB(Form1& f)
    {
        f.document().markPressed();
        f.document().writeCell({0, 0}, 'B');
    }
    static std::string map(const std::string& header, char fill) { return levelText({{header, uniformRows(fill)}}); }
};

TEST_F(Conflicts, ASaveThatWouldOverwriteAnotherMapAsksFirst)
{
    enum class Kind { CreatedOnATakenNumber, SameHeaderEarlier, ChangedOnDisk };
    const struct {
        Kind kind;
        std::string file;
        const char* overwrites;  // the map the question names
    } cases[] = {
        {Kind::CreatedOnATakenNumber, map("*MAP001", '1') + map("*MAP003", '3'), "map No 2"},
        {Kind::SameHeaderEarlier, map("*A", '1') + map("*B", '2') + map("*A", '3'), "map No 1"},
        {Kind::ChangedOnDisk, map("*A", '1') + map("*B", '2'), "map No 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        writeLevel(c.file);
        open();
        switch (c.kind) {
        case Kind::CreatedOnATakenNumber:  // two maps, so the new one is *MAP003
            asker.answer({true});
            named<QPushButton>(*form, "Command5")->click();
            break;
        case Kind::SameHeaderEarlier: form->subMapload(3); break;
        case Kind::ChangedOnDisk:  // another program saved map 1 meanwhile
            writeLevel(map("*A", '7') + map("*B", '2'));
            break;
        }
        const std::string onDisk = level();
        const std::size_t asked = asker.questions.size();
        paintB(*form);
        asker.answer({true, false});  // save it? yes; overwrite that map? no
        named<QPushButton>(*form, "Command2")->click();
        ASSERT_EQ(asker.questions.size(), asked + 2);
        EXPECT_TRUE(asker.questions.back().contains(QString::fromLatin1(c.overwrites)))
            << asker.questions.back().toStdString();
        EXPECT_EQ(level(), onDisk);              // No: nothing written,
        EXPECT_TRUE(form->document().marked());  // the edits stay
        EXPECT_EQ(row(0)[0], 'B');               // and the action stopped
        EXPECT_FALSE(fileExists(dir.file("temp.tmp")));

        asker.answer({true, true});  // Yes: written in that map's place
        named<QPushButton>(*form, "Command1")->click();
        EXPECT_FALSE(form->document().marked());
        EXPECT_NE(level(), onDisk);
        asker.questions.clear();
        form.reset();
    }
}

// Two editors on one folder: the second to save is asked before it overwrites
// what the first one saved; after its own save it asks no more.
TEST_F(Conflicts, AnotherEditorsSaveIsNotOverwrittenUnasked)
{
    writeLevel(map("*A", '1') + map("*B", '2'));
    ScriptedAsker otherAsker;
    Form1 other(dir.path(), otherAsker, ops);
    open();
    paintB(other);
    otherAsker.answer({true});
    named<QPushButton>(other, "Command1")->click();
    const std::string theirs = level();

    paintB(*form);
    setCell(1, 1, 'C');
    asker.answer({true, false});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(level(), theirs);
    ASSERT_EQ(asker.questions.size(), 2u);
    asker.answer({true, true});
    named<QPushButton>(*form, "Command1")->click();
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();  // its own save now: one question only
    EXPECT_EQ(asker.questions.size(), 5u);
    EXPECT_FALSE(form->document().marked());
}

}  // namespace
}  // namespace kelmor::test
