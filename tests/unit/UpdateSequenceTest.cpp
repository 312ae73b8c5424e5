#include <gtest/gtest.h>

#include <filesystem>

#include "app/Unit1.h"
#include "archive/XAExcept.h"
#include "platform/Files.h"
#include "support/TempDir.h"
#include "support/ZipBuilder.h"

namespace {

class UpdateSequenceTest : public ::testing::Test {
protected:
  UpdateSequenceTest() : Form(nullptr, Temp.Path("maj.exe")) {}
  test::TempDir Temp;
  TForm1 Form;
};

TEST_F(UpdateSequenceTest, FileProgressShowsWholePercentsOnAFullRange) {
  const struct {
    double Progress;
    int64_t Position;
  } cases[] = {{0.0, 0}, {42.7, 42}, {99.9, 99}, {100.0, 100}};
  for (const auto& c : cases) {
    Form.ProgressBar->SetRange(0, 5000);
    bool cancel = false;
    Form.Xanarc1FileProgress(&Form, "velanto.exe", c.Progress, poExtract, ppProcess, cancel);
    EXPECT_EQ(Form.ProgressBar->Max(), 100);
    EXPECT_EQ(Form.ProgressBar->Position(), c.Position) << c.Progress;
    EXPECT_FALSE(cancel);
  }
}

TEST_F(UpdateSequenceTest, InstallationExtractsEveryItemBelowTheUpdaterFolder) {
  test::ZipBuilder zip;
  zip.Add("velanto.exe", "new program", 8);
  zip.Add("docs/lisez-moi.txt", "notes", 0);
  Temp.Write("velanto-as.zip", zip.Build());
  Temp.Write("velanto.exe", "old program");

  Form.Button3Click(&Form);

  EXPECT_EQ(test::TempDir::Read(Temp.Path("velanto.exe")), "new program");
  EXPECT_EQ(test::TempDir::Read(Temp.Path("docs/lisez-moi.txt")), "notes");
  EXPECT_FALSE(Form.Xanarc1->IsOpen);
  EXPECT_TRUE(FileExists(Temp.Path("velanto-as.zip")));  // the sequence deletes it, not the installation
}

TEST_F(UpdateSequenceTest, InstallationOfAnEmptyDownloadFailsWithInvalidArchive) {
  Temp.Write("velanto-as.zip", "");
  try {
    Form.Button3Click(&Form);
    FAIL() << "an empty file was installed";
  } catch (const EXAException& failure) {
    EXPECT_EQ(failure.NativeError, 35);
  }
  EXPECT_TRUE(FileExists(Temp.Path("velanto-as.zip")));
}

TEST_F(UpdateSequenceTest, MissingTargetLeavesTheButtonDisabledAndAsksNoServer) {
  Form.BitBtn1Click(&Form);
  EXPECT_EQ(Form.Label1->Caption(),
            "La mise à jour, ne trouve pas le fichier d'origine\rvelanto.exe sur votre ordinateur.");
  EXPECT_FALSE(Form.BitBtn1->Enabled());
  EXPECT_FALSE(FileExists(Temp.Path("velanto-as.zip")));
}

}  // namespace
