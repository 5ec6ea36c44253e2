#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "engine/BuildStepXMLManager.h"

namespace {

std::string Text(CTesselString text) { return text.GetText(); }

// Stands in for the build-step list: keeps the steps it accepts, in order.
class CFakePasteTarget : public IStepPasteTarget {
 public:
  ~CFakePasteTarget() override {
    for (CBuildStepDataDefinition* step : steps) delete step;
  }
  bool DeselectAll() override {
    ++deselections;
    return !steps.empty();
  }
  bool AddStep(CBuildStepDataDefinition* step, bool redraw) override {
    if (redraw) ++redraws;
    if (refuse || !step) return false;
    steps.push_back(step);
    return true;
  }

  std::vector<CBuildStepDataDefinition*> steps;
  int deselections = 0;
  int redraws = 0;
  bool refuse = false;
};

class BuildStepXMLManagerTest : public ::testing::Test {
 protected:
  BuildStepXMLManagerTest() { manager.SetOwner(&target); }

  bool Paste(const std::string& xml) {
    CTesselString text(xml.c_str());
    manager.ResetParse();
    return manager.ParseStepsXml(&text);
  }

  static std::string Document(const std::string& steps) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<stepgroup>\r\n" + steps +
           "</stepgroup>\r\n";
  }

  static std::string StepXml(const std::string& name, const std::string& type) {
    return "\r\n<buildstep>\r\n<stepname>" + name + "</stepname>\r\n<steptype>" + type +
           "</steptype>\r\n</buildstep>\r\n";
  }

  CFakePasteTarget target;
  CBuildStepXMLManager manager;
};

TEST_F(BuildStepXMLManagerTest, StepTypeNamesBothWays) {
  const char* names[] = {"ExecuteProgram",
                         "DOSCommand",
                         "AdvancedInstallerBuild",
                         "AdvancedInstallerEdit",
                         "MSDevCompile",
                         "BuildScript",
                         "CopyFiles",
                         "MoveFiles",
                         "DeleteFiles",
                         "RenameFile",
                         "CreateFolder",
                         "DeleteFolder",
                         "RenameFolder",
                         "CopyTree",
                         "Vantrell",
                         "Lumeth",
                         "Brisant",
                         "Quorrel"};
  for (int type = 0; type < 18; ++type) {
    EXPECT_EQ(names[type], Text(CBuildStepXMLManager::GetStepTypeName(type)));
    EXPECT_EQ(type, CBuildStepXMLManager::GetStepTypeFromName(names[type]));
  }
  EXPECT_EQ("", Text(CBuildStepXMLManager::GetStepTypeName(18)));
  EXPECT_EQ("", Text(CBuildStepXMLManager::GetStepTypeName(-1)));
  for (const char* unknown : {"brisant", "", "Brisant ", "Nothing"})
    EXPECT_EQ(0, CBuildStepXMLManager::GetStepTypeFromName(unknown)) << unknown;
}

TEST_F(BuildStepXMLManagerTest, CopiedStepsHaveTheExactText) {
  CBuildStepDataDefinition first, second;
  first.SetStepName("Tool");
  first.m_stepType = 16;
  first.SetDescription("desc");
  first.SetExecutablePath("exe");
  first.SetParameters("-p");
  first.SetSourcePath("src");
  first.SetTargetPath("dst");
  first.SetFileSpec("*.txt");
  first.m_paused = true;
  second.SetStepName("Empty");
  CTesselList steps;
  steps.AddTail(&first);
  steps.AddTail(&second);
  CTesselString document;
  ASSERT_TRUE(manager.StepsToXml(steps, &document));
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
      "<stepgroup>\r\n"
      "\r\n"
      "<buildstep>\r\n"
      "<stepname>Tool</stepname>\r\n"
      "<steptype>Brisant</steptype>\r\n"
      "<description>desc</description>\r\n"
      "<executablepath>exe</executablepath>\r\n"
      "<parameters>-p</parameters>\r\n"
      "<sourcepath>src</sourcepath>\r\n"
      "<targetpath>dst</targetpath>\r\n"
      "<filespec>*.txt</filespec>\r\n"
      "</buildstep>\r\n"
      "\r\n"
      "<buildstep>\r\n"
      "<stepname>Empty</stepname>\r\n"
      "<steptype>ExecuteProgram</steptype>\r\n"
      "<description></description>\r\n"
      "<executablepath></executablepath>\r\n"
      "<parameters></parameters>\r\n"
      "<sourcepath></sourcepath>\r\n"
      "<targetpath></targetpath>\r\n"
      "<filespec></filespec>\r\n"
      "</buildstep>\r\n"
      "</stepgroup>\r\n",
      Text(document));
  EXPECT_EQ("<a>b</a>\r\n", Text(CBuildStepXMLManager::FormatXmlLine("a", "b")));
  EXPECT_FALSE(manager.StepToXml(nullptr, &document));
}

TEST_F(BuildStepXMLManagerTest, CopyThenPasteGivesTheSameSteps) {
  CBuildStepDataDefinition original;
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    original.GetTextField(i)->SetText(("value " + std::to_string(i) + " & <x> 'q' \"d\"").c_str());
  original.m_stepType = 13;
  original.m_paused = true;
  CTesselList steps;
  steps.AddTail(&original);
  CTesselString document;
  ASSERT_TRUE(manager.StepsToXml(steps, &document));
  EXPECT_NE(std::string::npos, Text(document).find("value 0 &amp; &lt;x&gt;"));
  ASSERT_TRUE(manager.ParseStepsXml(&document));
  ASSERT_EQ(1u, target.steps.size());
  CBuildStepDataDefinition* pasted = target.steps[0];
  EXPECT_EQ(13, pasted->m_stepType);
  EXPECT_FALSE(pasted->m_paused);
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    EXPECT_EQ(Text(*original.GetTextField(i)), Text(*pasted->GetTextField(i))) << i;
}

TEST_F(BuildStepXMLManagerTest, PastingTwoStepsAddsBothInOrder) {
  CBuildStepDataDefinition paused;
  int64_t before = paused.m_startTime;
  ASSERT_TRUE(Paste(Document(StepXml("one", "Brisant") + StepXml("two", "CopyTree"))));
  ASSERT_EQ(2u, target.steps.size());
  EXPECT_EQ("one", Text(target.steps[0]->m_stepName));
  EXPECT_EQ(16, target.steps[0]->m_stepType);
  EXPECT_EQ("two", Text(target.steps[1]->m_stepName));
  EXPECT_EQ(13, target.steps[1]->m_stepType);
  for (CBuildStepDataDefinition* step : target.steps) {
    EXPECT_FALSE(step->m_paused);
    EXPECT_GE(step->m_startTime, before);
    EXPECT_EQ("", Text(step->m_description));
  }
  EXPECT_EQ(2, target.deselections);
  EXPECT_EQ(0, target.redraws);
  ASSERT_EQ(2, manager.GetPastedSteps().GetCount());
  EXPECT_EQ(target.steps[0], manager.GetPastedSteps().GetAt(0));
  EXPECT_EQ(target.steps[1], manager.GetPastedSteps().GetAt(1));
  manager.ResetParse();
  EXPECT_EQ(0, manager.GetPastedSteps().GetCount());
  EXPECT_EQ(2u, target.steps.size());
}

TEST_F(BuildStepXMLManagerTest, StepTypeNamesAreCaseSensitive) {
  ASSERT_TRUE(Paste(Document(StepXml("a", "Brisant") + StepXml("b", "brisant") + StepXml("c", "") +
                             StepXml("d", "Unknown"))));
  ASSERT_EQ(4u, target.steps.size());
  EXPECT_EQ(16, target.steps[0]->m_stepType);
  EXPECT_EQ(0, target.steps[1]->m_stepType);
  EXPECT_EQ(0, target.steps[2]->m_stepType);
  EXPECT_EQ(0, target.steps[3]->m_stepType);
}

TEST_F(BuildStepXMLManagerTest, MalformedTextKeepsTheStepsBeforeTheErrorAndFails) {
  EXPECT_FALSE(Paste(
      Document(StepXml("good", "Lumeth") + "<buildstep><stepname>a<b</stepname></buildstep>")));
  ASSERT_EQ(1u, target.steps.size());
  EXPECT_EQ("good", Text(target.steps[0]->m_stepName));
  EXPECT_EQ(1, manager.GetPastedSteps().GetCount());
}

TEST_F(BuildStepXMLManagerTest, NothingIsParsedWithoutTextOrTarget) {
  CTesselString empty;
  EXPECT_FALSE(manager.ParseStepsXml(&empty));
  EXPECT_FALSE(manager.ParseStepsXml(nullptr));
  CBuildStepXMLManager orphan;
  CTesselString xml(Document(StepXml("x", "Lumeth")).c_str());
  EXPECT_FALSE(orphan.ParseStepsXml(&xml));
  EXPECT_TRUE(target.steps.empty());
}

TEST_F(BuildStepXMLManagerTest, RefusedStepsAreNotRemembered) {
  target.refuse = true;
  EXPECT_TRUE(Paste(Document(StepXml("x", "Lumeth"))));
  EXPECT_EQ(1, target.deselections);
  EXPECT_EQ(0, manager.GetPastedSteps().GetCount());
}

// A value is what the element holds up to its first line feed, however the
// parser splits it (it splits at every entity and line end).
TEST_F(BuildStepXMLManagerTest, ElementTextIsGatheredBeforeItIsCut) {
  struct Case {
    const char* value;
    const char* expected;
  } cases[] = {
      {"A&amp;B", "A&B"}, {"&lt;tag&gt; &amp;&amp; x", "<tag> && x"},
      {"A\nB", "A"},      {"A\r\nB", "A"},
      {"\nB", ""},        {"&#65;&#66;C", "ABC"},
      {"", ""},
  };
  for (const Case& c : cases) {
    CFakePasteTarget fresh;
    manager.SetOwner(&fresh);
    ASSERT_TRUE(Paste(
        Document("<buildstep><description>" + std::string(c.value) + "</description></buildstep>")))
        << c.value;
    ASSERT_EQ(1u, fresh.steps.size());
    EXPECT_EQ(c.expected, Text(fresh.steps[0]->m_description)) << c.value;
  }
  manager.SetOwner(&target);
}

TEST_F(BuildStepXMLManagerTest, TextOutsideAStepIsIgnored) {
  ASSERT_TRUE(Paste(Document("<stepname>stray</stepname>text<other>x</other>" +
                             std::string("<buildstep><other>y</other><filespec>*.c</filespec>"
                                         "</buildstep>"))));
  ASSERT_EQ(1u, target.steps.size());
  EXPECT_EQ("", Text(target.steps[0]->m_stepName));
  EXPECT_EQ("*.c", Text(target.steps[0]->m_fileSpec));
}

// Clipboard text comes from anywhere: odd documents give what their complete
// step elements say, and entity bombs are refused rather than expanded.
TEST_F(BuildStepXMLManagerTest, OddDocumentsGiveTheirCompleteSteps) {
  const std::string big(2000000, 'v');
  // Ten levels of ten references each: 10^10 characters if it were expanded.
  std::string bomb = "<!DOCTYPE g [<!ENTITY a \"aaaaaaaaaa\">";
  for (char level = 'b'; level <= 'k'; ++level) {
    bomb += std::string("<!ENTITY ") + level + " \"";
    for (int i = 0; i < 10; ++i) bomb += std::string("&") + char(level - 1) + ";";
    bomb += "\">";
  }
  bomb += "]><stepgroup><buildstep><stepname>&k;</stepname></buildstep></stepgroup>";
  struct Case {
    const char* what;
    std::string xml;
    bool wellFormed;
    std::vector<std::string> names;  // of the steps added, in order
  } cases[] = {
      {"nested step",
       Document("<buildstep><stepname>outer</stepname><buildstep><stepname>inner"
                "</stepname></buildstep><description>d</description></buildstep>"),
       true,
       {"inner", ""}},
      {"unknown elements and attributes",
       Document("<buildstep x=\"1\"><unknown><stepname>deep</stepname></unknown>"
                "<stepname a=\"b\">n<i>x</i>tail</stepname></buildstep>"),
       true,
       {"n"}},
      {"markup in character data",
       Document("<buildstep><stepname><![CDATA[a<b&c]]></stepname>"
                "</buildstep>"),
       true,
       {"a<b&c"}},
      {"huge value",
       Document("<buildstep><stepname>" + big + "</stepname></buildstep>"),
       true,
       {big}},
      {"no document element", "just text", false, {}},
      {"unclosed step", Document("<buildstep><stepname>cut"), false, {}},
      {"entity bomb", bomb, false, {}},
  };
  for (const Case& c : cases) {
    CFakePasteTarget fresh;
    manager.SetOwner(&fresh);
    EXPECT_EQ(c.wellFormed, Paste(c.xml)) << c.what;
    std::vector<std::string> names;
    for (CBuildStepDataDefinition* step : fresh.steps) names.push_back(Text(step->m_stepName));
    EXPECT_EQ(c.names, names) << c.what;
  }
  manager.SetOwner(&target);
}

// Narrow step texts are in the ANSI code page; the document carries UTF-8.
TEST_F(BuildStepXMLManagerTest, NonAsciiTextTravelsAsUtf8) {
  if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page";
  CBuildStepDataDefinition original;
  original.SetStepName("Caf\xE9 \x80");  // e acute and the euro sign in code page 1252
  CTesselString xml;
  ASSERT_TRUE(manager.StepToXml(&original, &xml));
  EXPECT_NE(std::string::npos, Text(xml).find("<stepname>Caf\xC3\xA9 \xE2\x82\xAC</stepname>"));
  CTesselString document(Document("\r\n" + Text(xml)).c_str());
  ASSERT_TRUE(manager.ParseStepsXml(&document));
  ASSERT_EQ(1u, target.steps.size());
  EXPECT_EQ("Caf\xE9 \x80", Text(target.steps[0]->m_stepName));

  CBuildStepDataDefinition wide;
  wide.m_stepName.SetWideText(L"\x20AC wide");
  ASSERT_TRUE(manager.StepToXml(&wide, &xml));
  EXPECT_NE(std::string::npos, Text(xml).find("<stepname>\xE2\x82\xAC wide</stepname>"));
  EXPECT_TRUE(wide.m_stepName.IsWide());  // copying does not convert the step's text
}

}  // namespace
