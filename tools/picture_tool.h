// What the build-time picture tools share: they draw without a display and write their pictures
// into a folder, saying on stderr what went wrong.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <optional>

namespace pg::tools {

// Before the application is made: the build has no display to draw on.
inline void DrawOffscreen() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The folder the tool's first argument names, made if it is missing.
inline std::optional<QDir> OutputFolder(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTDIR [FILE...]\n", argv[0]);
    return std::nullopt;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(".")) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return std::nullopt;
  }
  return dir;
}

// A tool that paints into the folder its first argument names; folder is empty where it cannot.
struct PictureTool {
  PictureTool(int& argc, char** argv) : app((DrawOffscreen(), argc), argv), folder(OutputFolder(argc, argv)) {}

  QGuiApplication app;
  std::optional<QDir> folder;
};

// Saves an image or pixmap, or says why the build stops.
template <typename Picture>
bool Save(const Picture& picture, const QString& file, const char* format = nullptr) {
  if (picture.save(file, format)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return false;
}

}  // namespace pg::tools
