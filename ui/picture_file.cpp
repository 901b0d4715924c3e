// Opening without blocking, then fstat() on what was opened: checking the path first would leave a
// moment in which a FIFO could take the file's place.
#include "ui/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cerrno>
#include <utility>

namespace pg::ui {

namespace {

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const QString& path)
      : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
  ~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

// Reads at most `size` bytes: a file that grows meanwhile is cut there, one that shrinks ends early.
QByteArray ReadBounded(int fd, qint64 size) {
  QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
  qint64 done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, bytes.data() + done, static_cast<std::size_t>(size - done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += got;
  }
  bytes.truncate(static_cast<qsizetype>(done));
  return bytes;
}

QImage Decode(QByteArray& bytes, const QByteArray& format) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  return reader.read();
}

}  // namespace

PictureLoad LoadPictureFile(const QString& path, QPixmap& picture) {
  const ReadOnlyFile file(path);
  if (file.Get() < 0) return errno == ENOENT || errno == ENOTDIR ? PictureLoad::NotFound : PictureLoad::Failed;
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return PictureLoad::Failed;
  if (info.st_size > kMaxPictureFileBytes) return PictureLoad::Failed;
  QByteArray bytes = ReadBounded(file.Get(), info.st_size);
  QImage image = Decode(bytes, {});
  // A format without a signature in its bytes (such as TGA) is known by the name's suffix alone.
  if (image.isNull()) image = Decode(bytes, QFileInfo(path).suffix().toLower().toLatin1());
  if (image.isNull()) return PictureLoad::Failed;
  // The file's bytes and the decoded image go as the pixmap comes: a wallpaper is megabytes each.
  bytes = QByteArray();
  picture = QPixmap::fromImage(std::move(image));
  return PictureLoad::Loaded;
}

}  // namespace pg::ui
