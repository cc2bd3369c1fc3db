#include "Startup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "RecordingMessageBoxes.h"
#include "TForm1.h"

namespace tavolin::testing {
namespace {

// Runs in a folder of its own, as the program does in the user's folder.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    void writePlayerFile() {
        QFile file(folder.filePath("tavo.lin"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(10 * 848, '\0'));
    }

    QTemporaryDir folder;
    QString previous;
    RecordingMessageBoxes boxes;
};

TEST_F(StartupTest, StopsBeforeAnyWindowWithoutThePlayerFile) {
    EXPECT_EQ(startTavolin(boxes), nullptr);
    EXPECT_EQ(boxes.warnings,
              QStringList{"Impossible d'accéder à tavo.lin\nDossier : " + QDir::currentPath()});
}

TEST_F(StartupTest, OpensTheMainWindowWhenThePlayerFileIsThere) {
    writePlayerFile();
    const auto window = startTavolin(boxes);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(window->windowTitle(), "Tavolin ");
}

TEST_F(StartupTest, ClearsAReadOnlyMark) {
    writePlayerFile();
    const QString path = folder.filePath("tavo.lin");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    ASSERT_NE(startTavolin(boxes), nullptr);
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::WriteOwner);
}

}  // namespace
}  // namespace tavolin::testing
