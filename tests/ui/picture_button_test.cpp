// The picture button as the pointer meets it, and the rules of its Picture and URLPicture.
#include "ui/picture_button.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QHostAddress>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "tests/ui/picture_button_probe.h"
#include "tests/ui/test_application.h"

namespace pg::test {
namespace {

using ui::AXButtonCtl;

constexpr int kReadWaitMs = 5000;

QPixmap Solid(QSize size, QColor colour) {
  QPixmap picture(size);
  picture.fill(colour);
  return picture;
}

class PictureButtonTest : public ::testing::Test {
 protected:
  PictureButtonTest() {
    // The window's colour differs from both frame colours, so a missing line shows.
    QPalette colours = host.palette();
    colours.setColor(QPalette::Window, QColor(40, 90, 60));
    colours.setColor(QPalette::Light, Qt::white);
    colours.setColor(QPalette::Dark, QColor(128, 128, 128));
    host.setPalette(colours);
    host.setAutoFillBackground(true);
    host.resize(200, 100);
    // Hidden widgets put off their resize events until shown; the snap back is seen on screen.
    host.show();
    Fresh();
  }

  // A new button in the host, with nothing heard or reported yet.
  void Fresh() {
    delete button;
    button = new AXButtonCtl(&host);
    button->move(10, 10);
    button->show();
    sounds.clear();
    ups.clear();
    clicks = 0;
    button->SetSoundPlayer([this](std::string_view name) { sounds.emplace_back(name); });
    button->SetHoverGuard([this] { return hoverAllowed; });
    QObject::connect(button, &AXButtonCtl::MouseUp, [this](qint16 b, qint16, float, float) { ups.push_back(b); });
    QObject::connect(button, &AXButtonCtl::Click, [this] { ++clicks; });
  }

  QString SavePicture(const QString& name, QSize size) {
    const QString file = dir.filePath(name);
    Solid(size, Qt::blue).save(file, "PNG");
    return file;
  }

  // Every read started has finished and its reply is gone.
  bool ReadsDone() {
    return QTest::qWaitFor([this] { return button->findChildren<QNetworkReply*>().isEmpty(); }, kReadWaitMs);
  }

  bool applicationReady = EnsureApplication();
  QWidget host;
  AXButtonCtl* button = nullptr;
  QTemporaryDir dir;
  bool hoverAllowed = true;
  std::vector<std::string> sounds;
  std::vector<qint16> ups;
  int clicks = 0;
};

enum class Step {
  Enter,
  Hover,
  HoverHeld,
  OutsideHeld,
  Outside,
  Leave,
  PressLeft,
  ReleaseLeft,
  ReleaseLeftOutside,
  PressRight,
  ReleaseRight,
};

struct PointerRow {
  const char* name;
  bool hoverAllowed;
  std::vector<Step> steps;
  std::string frame;
  std::vector<std::string> sounds;
  std::vector<qint16> ups;
  int clicks;
};

TEST_F(PictureButtonTest, FrameAndSoundsFollowThePointer) {
  using enum Step;
  const std::string popup = "MenuPopup";
  const std::string command = "MenuCommand";
  const PointerRow rows[] = {
      {"hovering raises the frame, with one sound per visit", true, {Enter, Hover, Hover}, "raised", {popup}, {}, 0},
      {"a left press sinks it and clicks", true, {Enter, Hover, PressLeft}, "pressed", {popup, command}, {}, 0},
      {"leaving while held flattens it", true, {Hover, PressLeft, OutsideHeld}, "flat", {popup, command}, {}, 0},
      {"coming back while held sinks it, silently",
       true,
       {Hover, PressLeft, OutsideHeld, HoverHeld},
       "pressed",
       {popup, command},
       {},
       0},
      {"a release flattens it and is one click",
       true,
       {Hover, PressLeft, ReleaseLeft},
       "flat",
       {popup, command},
       {1},
       1},
      {"the next move after a release is a new visit",
       true,
       {Hover, PressLeft, ReleaseLeft, Hover},
       "raised",
       {popup, command, popup},
       {1},
       1},
      {"a release away from the button still reports it",
       true,
       {Hover, PressLeft, OutsideHeld, ReleaseLeftOutside},
       "flat",
       {popup, command},
       {1},
       0},
      {"leaving flattens it and ends the visit", true, {Enter, Hover, Leave, Hover}, "raised", {popup, popup}, {}, 0},
      {"a move seen outside flattens it", true, {Hover, Outside}, "flat", {popup}, {}, 0},
      {"a right press neither sinks nor clicks", true, {Hover, PressRight}, "raised", {popup}, {}, 0},
      {"a right release is reported like a left one", true, {Hover, PressRight, ReleaseRight}, "flat", {popup}, {2}, 1},
      {"a release without its press is ignored", true, {Hover, ReleaseLeft}, "raised", {popup}, {}, 0},
      {"the guard keeps a hovered button flat and silent", false, {Enter, Hover}, "flat", {}, {}, 0},
      {"the guard lets a press through", false, {Hover, PressLeft}, "pressed", {command}, {}, 0},
      {"the guard shows a held press raised", false, {Hover, PressLeft, HoverHeld}, "raised", {command}, {}, 0},
      {"the guard lets the release run", false, {Hover, PressLeft, ReleaseLeft}, "flat", {command}, {1}, 1},
  };
  const QPointF inside(20, 20);
  const QPointF outside(-15, 20);
  for (const PointerRow& row : rows) {
    SCOPED_TRACE(row.name);
    hoverAllowed = row.hoverAllowed;
    Fresh();
    button->SetPicture(Solid({72, 40}, Qt::red));
    for (Step step : row.steps) {
      switch (step) {
        case Enter:
          SendEnter(*button, inside);
          break;
        case Hover:
          SendMouse(*button, QEvent::MouseMove, inside, Qt::NoButton, Qt::NoButton);
          break;
        case HoverHeld:
          SendMouse(*button, QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
          break;
        case OutsideHeld:
          SendMouse(*button, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
          break;
        case Outside:
          SendMouse(*button, QEvent::MouseMove, outside, Qt::NoButton, Qt::NoButton);
          break;
        case Leave:
          SendLeave(*button);
          break;
        case PressLeft:
          SendMouse(*button, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
          break;
        case ReleaseLeft:
          SendMouse(*button, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
          break;
        case ReleaseLeftOutside:
          SendMouse(*button, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
          break;
        case PressRight:
          SendMouse(*button, QEvent::MouseButtonPress, inside, Qt::RightButton, Qt::RightButton);
          break;
        case ReleaseRight:
          SendMouse(*button, QEvent::MouseButtonRelease, inside, Qt::RightButton, Qt::NoButton);
          break;
      }
    }
    EXPECT_EQ(FrameSeen(*button), row.frame);
    EXPECT_EQ(sounds, row.sounds);
    EXPECT_EQ(ups, row.ups);
    EXPECT_EQ(clicks, row.clicks);
  }
}

TEST_F(PictureButtonTest, APictureSetsTheSizeAndEveryResizeSnapsBack) {
  button->resize(50, 30);
  EXPECT_EQ(button->size(), QSize(50, 30)) << "without a picture the size is free";
  button->SetPicture(Solid({72, 40}, Qt::red));
  EXPECT_EQ(button->size(), QSize(72, 40));
  button->setGeometry(5, 5, 100, 100);
  EXPECT_EQ(button->geometry(), QRect(5, 5, 72, 40));
  button->SetPicture(QPixmap());
  EXPECT_TRUE(button->Picture().isNull()) << "a null picture is no picture";
  button->resize(30, 30);
  EXPECT_EQ(button->size(), QSize(30, 30));
}

TEST_F(PictureButtonTest, ALocationBringsItsPictureLaterAndKeepsIt) {
  const QString file = SavePicture("a.png", {30, 20});
  QSignalSpy changes(button, &AXButtonCtl::PropertyChanged);
  button->SetURLPicture(file);
  EXPECT_TRUE(button->Picture().isNull()) << "the read is not waited for";
  ASSERT_TRUE(ReadsDone());
  EXPECT_EQ(button->size(), QSize(30, 20));
  EXPECT_EQ(button->URLPicture(), file) << "a delivered picture keeps its location";
  ASSERT_EQ(changes.size(), 2);
  EXPECT_EQ(changes[0][0].toString(), "URLPicture");
  EXPECT_EQ(changes[1][0].toString(), "Picture");

  changes.clear();
  button->SetURLPicture(file);
  EXPECT_TRUE(changes.isEmpty()) << "the same location again changes nothing";
  EXPECT_TRUE(button->findChildren<QNetworkReply*>().isEmpty()) << "and reads nothing";

  button->SetURLPicture(QString());
  EXPECT_TRUE(button->Picture().isNull()) << "clearing the location removes the picture";
}

TEST_F(PictureButtonTest, APictureSetMeanwhileOrALaterLocationOutrunsARead) {
  const QString first = SavePicture("b.png", {30, 20});
  const QString second = SavePicture("c.png", {16, 16});
  button->SetURLPicture(first);
  button->SetPicture(Solid({10, 12}, Qt::red));
  EXPECT_TRUE(button->URLPicture().isEmpty()) << "a picture set directly forgets its location";
  ASSERT_TRUE(ReadsDone());
  EXPECT_EQ(button->size(), QSize(10, 12)) << "the abandoned read delivers nothing";

  button->SetURLPicture(first);
  button->SetURLPicture(second);
  ASSERT_TRUE(ReadsDone());
  EXPECT_EQ(button->size(), QSize(16, 16));
}

// Answers every request with one fixed reply, as a web server on this machine would.
class FixedReplyServer {
 public:
  FixedReplyServer(const QByteArray& status, const QByteArray& body)
      : reply_("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body) {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      QTcpSocket* socket = server_.nextPendingConnection();
      auto request = std::make_shared<QByteArray>();
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
        request->append(socket->readAll());
        if (!request->contains("\r\n\r\n")) return;
        socket->write(reply_);
        socket->disconnectFromHost();
      });
    });
  }

  QString Url() const { return QString("http://127.0.0.1:%1/picture.png").arg(server_.serverPort()); }

 private:
  QByteArray reply_;
  QTcpServer server_;
};

TEST_F(PictureButtonTest, EveryKindOfLocationIsReadAndAFailureKeepsThePicture) {
  const QString file = SavePicture("d.png", {24, 16});
  QFile png(file);
  ASSERT_TRUE(png.open(QIODevice::ReadOnly));
  const FixedReplyServer found("200 OK", png.readAll());
  const FixedReplyServer refused("404 Not Found", "gone");
  const QString notAPicture = dir.filePath("notes.txt");
  QFile text(notAPicture);
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
  text.close();
  const QSize kept(10, 12);
  const struct {
    QString location;
    QSize shown;
  } rows[] = {
      {file, {24, 16}},
      {QDir::current().relativeFilePath(file), {24, 16}},
      {QUrl::fromLocalFile(file).toString(), {24, 16}},
      {found.Url(), {24, 16}},
      {dir.filePath("missing.png"), kept},
      {notAPicture, kept},
      {refused.Url(), kept},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.location.toStdString());
    button->SetPicture(Solid(kept, Qt::red));
    button->SetURLPicture(row.location);
    ASSERT_TRUE(ReadsDone());
    EXPECT_EQ(button->size(), row.shown);
    EXPECT_EQ(button->URLPicture(), row.location);
  }
}

TEST_F(PictureButtonTest, SavedPropertiesReadBackByTheirRules) {
  const QString file = SavePicture("g.png", {30, 20});
  struct Row {
    const char* name;
    QVariantMap saved;
    QSize picture;
    QString location;
  };
  const Row rows[] = {
      {"nothing saved: no picture", {}, {}, {}},
      {"a picture alone", {{"Picture", QVariant::fromValue(Solid({12, 14}, Qt::red))}}, {12, 14}, {}},
      {"a location wins over the picture",
       {{"URLPicture", file}, {"Picture", QVariant::fromValue(Solid({12, 14}, Qt::red))}},
       {30, 20},
       file},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AXButtonCtl restored;
    restored.ReadProperties(row.saved);
    EXPECT_TRUE(QTest::qWaitFor([&] { return restored.findChildren<QNetworkReply*>().isEmpty(); }, kReadWaitMs));
    EXPECT_EQ(restored.Picture().isNull() ? QSize() : restored.Picture().size(), row.picture);
    EXPECT_EQ(restored.URLPicture(), row.location);
    const QVariantMap saved = restored.SaveProperties();
    EXPECT_EQ(saved.value("URLPicture").toString(), row.location);
    EXPECT_EQ(saved.contains("Picture"), row.picture.isValid()) << "defaults are not saved";
  }
}

}  // namespace
}  // namespace pg::test
