// The selected character's note: loading on selection, saving when the memo
// is left, before a sort and on close; file format and failures.
#include "MainWindowFixture.h"

class NotesTest : public MainWindowTest {
protected:
  // Ann, Bob and Cid with levels 30, 20 and 10.
  TFMain& StartWithThree() {
    WriteCharacter(Character("Ann", 30));
    WriteCharacter(Character("Bob", 20));
    WriteCharacter(Character("Cid", 10));
    ChooseSaveDir();
    return Start();
  }
};

TEST_F(NotesTest, SelectingACharacterWithoutANoteShowsAnEmptyMemoAndLeavingItCreatesTheFile) {
  StartWithThree();
  ClickRow("Bob");
  EXPECT_EQ(NoteHeader(), "Bob - Notes");
  EXPECT_EQ(Memo().toPlainText(), "");
  EXPECT_TRUE(List().Grid()->hasFocus()) << "the list keeps the focus after a selection";

  Memo().setFocus(Qt::MouseFocusReason);
  ClickRow("Bob");
  ASSERT_TRUE(QFileInfo::exists(NoteFile("Bob")));
  EXPECT_EQ(ReadFileBytes(NoteFile("Bob")), QByteArray());
}

TEST_F(NotesTest, TypingThenClickingAnotherCharacterSavesUnderTheFirstAndLoadsTheSecond) {
  StartWithThree();
  QDir().mkpath(NotesPath());
  WriteTextFileLines(NoteFile("Cid"), {"Cid's own note"});
  ClickRow("Ann");
  TypeNote("Collects rings\nand medals");
  ClickRow("Cid");

  EXPECT_EQ(ReadFileBytes(NoteFile("Ann")), QByteArray("Collects rings\r\nand medals\r\n"));
  EXPECT_EQ(Memo().toPlainText(), "Cid's own note");
  EXPECT_EQ(NoteHeader(), "Cid - Notes");
}

TEST_F(NotesTest, HeaderClickSavesSortsAndShowsTheCharacterNowAtTheSelectedPosition) {
  StartWithThree();
  QDir().mkpath(NotesPath());
  WriteTextFileLines(NoteFile("Cid"), {"level ten"});
  List().Sort(0);  // by name: Ann, Bob, Cid
  ClickRow(0);
  ASSERT_EQ(NoteHeader(), "Ann - Notes");
  TypeNote("first");

  ClickHeader(2);  // by level: Cid (10) moves to row 0
  ASSERT_EQ(List().GetField(0, 0), "Cid");
  EXPECT_EQ(ReadFileBytes(NoteFile("Ann")), QByteArray("first\r\n"));
  EXPECT_EQ(List().ItemIndex(), 0);
  EXPECT_EQ(NoteHeader(), "Cid - Notes");
  EXPECT_EQ(Memo().toPlainText(), "level ten");
}

TEST_F(NotesTest, NoteWithAByteOrderMarkIsReadAndWrittenBackWithoutIt) {
  StartWithThree();
  QDir().mkpath(NotesPath());
  WriteFileBytesAtomic(NoteFile("Bob"), QByteArray("\xEF\xBB\xBF") + QString("Caf\u00e9 \u00fcber\r\nline 2\r\n").toUtf8());
  ClickRow("Bob");
  EXPECT_EQ(Memo().toPlainText(), QString("Caf\u00e9 \u00fcber\nline 2"));

  Memo().setFocus(Qt::MouseFocusReason);
  ClickRow("Bob");
  EXPECT_EQ(ReadFileBytes(NoteFile("Bob")), QByteArray("Caf\xE9 \xFC" "ber\r\nline 2\r\n"));
}

TEST_F(NotesTest, NoteRoundTripKeepsBlankLinesAndCharactersOutsideTheCodePage) {
  struct Case {
    const char* Name;
    QString Typed;
    QByteArray File;
  };
  const Case cases[] = {
      {"trailing blank line", "a\n", "a\r\n\r\n"},
      {"blank lines only", "\n\n", "\r\n\r\n\r\n"},
      {"Greek", QString::fromUtf8("\xce\xb1\xce\xb2"), "\xEF\xBB\xBF\xCE\xB1\xCE\xB2\r\n"},
  };
  StartWithThree();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ClickRow("Ann");
    Memo().setPlainText(c.Typed);
    Memo().setFocus(Qt::MouseFocusReason);
    ClickRow("Bob");
    EXPECT_EQ(ReadFileBytes(NoteFile("Ann")), c.File);
    ClickRow("Ann");
    EXPECT_EQ(Memo().toPlainText(), c.Typed);
  }
}

TEST_F(NotesTest, EmptyListSavesNothingAndKeepsThePanel) {
  ChooseSaveDir();
  Start();
  ASSERT_EQ(List().ItemIndex(), -1);
  TypeNote("nobody's note");
  Window->dlbCharsClick();
  Control<QPushButton>("btnRefresh").setFocus(Qt::TabFocusReason);  // leaves the memo
  Window->close();

  EXPECT_TRUE(NoteFiles().isEmpty());
  EXPECT_EQ(NoteHeader(), "Notes");
  EXPECT_EQ(Memo().toPlainText(), "nobody's note");
}

TEST_F(NotesTest, ClosingSavesTheSelectedCharactersNote) {
  StartWithThree();
  ClickRow("Cid");
  TypeNote("closing");
  Window->close();
  EXPECT_EQ(ReadFileBytes(NoteFile("Cid")), QByteArray("closing\r\n"));
}

TEST_F(NotesTest, DoubleClickPutsTheFocusIntoTheMemo) {
  StartWithThree();
  DoubleClickRow(RowOf("Bob"));
  EXPECT_TRUE(Memo().hasFocus());
  EXPECT_EQ(NoteHeader(), "Bob - Notes");
}

TEST_F(NotesTest, NameThatIsNoPlainFileNameKeepsItsNoteInsideTheNotesFolder) {
  WriteCharacter(Character("../../Escape"), "Escape");
  ChooseSaveDir();
  Start();
  ASSERT_EQ(Names(), QStringList{"../../Escape"});
  ClickRow(0);
  TypeNote("kept inside");
  Window->close();

  EXPECT_EQ(NoteFiles(), QStringList{"..%2F..%2FEscape.txt"});
  EXPECT_FALSE(QFileInfo::exists(FProgram.filePath("../Escape.txt")));
}

TEST_F(NotesTest, UnreadableNoteEndsTheProgramAndNothingIsWrittenOverIt) {
  StartWithThree();
  QDir().mkpath(NoteFile("Bob"));  // a folder where the note should be
  ClickRow("Bob");

  ASSERT_EQ(Fatal.Messages().size(), 1);
  EXPECT_TRUE(Fatal.Messages()[0].startsWith("Unable to process NOTES file\r\n" + NoteFile("Bob") + "\r\n\r\n"))
      << Fatal.Messages()[0].toStdString();
  EXPECT_TRUE(Window->Ended());
  EXPECT_EQ(Memo().toPlainText(), "");

  // The program is ending: leaving the memo and closing write nothing.
  TypeNote("lost");
  ClickRow("Ann");
  Window->close();
  EXPECT_TRUE(NoteFiles().isEmpty());
  EXPECT_EQ(Setting("FORM", "Width"), "<absent>");
  EXPECT_TRUE(GeneralErrors.Messages.isEmpty());
}

TEST_F(NotesTest, NoteThatCannotBeWrittenEndsTheProgram) {
  StartWithThree();
  ClickRow("Ann");
  QDir().mkpath(NoteFile("Ann"));
  Memo().setFocus(Qt::MouseFocusReason);
  ClickRow("Bob");

  ASSERT_EQ(Fatal.Messages().size(), 1);
  EXPECT_TRUE(Fatal.Messages()[0].startsWith("Unable to process NOTES file\r\n" + NoteFile("Ann") + "\r\n\r\n"));
  EXPECT_EQ(NoteHeader(), "Ann - Notes") << "the new row is not shown once the program ends";
}
