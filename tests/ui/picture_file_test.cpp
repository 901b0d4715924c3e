// Picture files the player names: real pictures load, anything that could block or stall is refused
// with a word, whether it comes from STATUS.DAT at start-up or is chosen in the options.
#include "ui/picture_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "engine/game.h"
#include "engine/options.h"
#include "play/option_dialog.h"
#include "play/setup.h"
#include "records/status_codec.h"
#include "records/status_file.h"
#include "tests/ui/test_application.h"
#include "ui/form_main.h"
#include "ui/qt_platform.h"

namespace pg::test {
namespace {

class PictureFileTest : public ::testing::Test {
 protected:
  PictureFileTest() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(temp.filePath("face.png"), "PNG");
    fifo = temp.filePath("pipe.bmp");
    EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  }

  bool applicationReady = EnsureApplication();
  QTemporaryDir temp;
  QString fifo;
};

TEST_F(PictureFileTest, OnlyRegularFilesOfABoundedSizeAreRead) {
  QFile::copy(temp.filePath("face.png"), temp.filePath("png-named.bmp"));
  QFile garbage(temp.filePath("garbage.jpg"));
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("not a picture");
  garbage.close();
  QFile huge(temp.filePath("huge.bmp"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(ui::kMaxPictureFileBytes + 1));
  huge.close();
  QDir(temp.path()).mkdir("folder.bmp");
  const struct {
    QString path;
    PictureLoad expected;
  } rows[] = {
      {temp.filePath("face.png"), PictureLoad::Loaded},
      {temp.filePath("png-named.bmp"), PictureLoad::Loaded},
      {temp.filePath("missing.bmp"), PictureLoad::NotFound},
      {temp.filePath("face.png/below"), PictureLoad::NotFound},
      {fifo, PictureLoad::Failed},
      {"/dev/zero", PictureLoad::Failed},
      {temp.filePath("folder.bmp"), PictureLoad::Failed},
      {temp.filePath("garbage.jpg"), PictureLoad::Failed},
      {temp.filePath("huge.bmp"), PictureLoad::Failed},
  };
  for (const auto& row : rows) {
    QPixmap picture;
    EXPECT_EQ(ui::LoadPictureFile(row.path, picture), row.expected) << row.path.toStdString();
    EXPECT_EQ(picture.isNull(), row.expected != PictureLoad::Loaded) << row.path.toStdString();
  }
}

// A FIFO named as a picture would hang the game in open(); here the test itself would hang.
class BlockingPictureTest : public PictureFileTest {
 protected:
  BlockingPictureTest() {
    platform.SetStepInterval(0);
    // Answers every message box as it comes up, and keeps its text.
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages << box->text();
        box->buttons().front()->click();
      }
    });
    closer.start(0);
  }

  ui::QtPlatform platform;
  Game game{platform};
  ui::FormMain form{game, platform};
  QTimer closer;
  QStringList messages;
};

TEST_F(BlockingPictureTest, AFifoNamedInTheStatusFileIsRefusedAtStartUp) {
  StatusRecords records = DefaultStatusRecords();
  records.options.WallChoice = 3;
  records.options.WallFile = fifo.toStdString();
  records.options.FaceFile0 = fifo.toStdString();
  records.options.FaceFile1 = temp.filePath("face.png").toStdString();
  game.statusPath = temp.filePath("STATUS.DAT").toStdString();
  ASSERT_EQ(SaveExitRecords(game.statusPath, records.windows, records.options, records.rules), std::nullopt);

  setup(game);
  const QString refused = "この画像は表示できません。\n" + fifo;
  EXPECT_EQ(messages, QStringList({refused, refused})) << "the wallpaper and face 0";
  EXPECT_TRUE(ShowsBuiltInFace(game, 0));
  EXPECT_EQ(game.options.FFileName[1], temp.filePath("face.png").toStdString());
}

TEST_F(BlockingPictureTest, AFifoChosenInTheOptionsIsRefused) {
  setup(game);
  const QString refused = "この画像は表示できません。\n" + fifo;
  game.options.FFileName[1] = fifo.toStdString();
  FacePaint(game, 1);
  EXPECT_EQ(messages, QStringList({refused}));
  EXPECT_TRUE(ShowsBuiltInFace(game, 1));

  messages.clear();
  WallFocus(game, 3);
  game.options.WFileName = fifo.toStdString();
  WFileNameLostFocus(game);
  EXPECT_EQ(messages, QStringList({refused}));
}

}  // namespace
}  // namespace pg::test
