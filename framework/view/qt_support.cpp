#include "framework/view/qt_support.h"

#include "framework/exceptions.h"
#include "framework/program_files.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QThread>

namespace fw::view {

namespace {
QApplication *made = nullptr; // the application EnsureApplication made
} // namespace

void EnsureApplication() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "tandrel";
        static char *argv[] = {name, nullptr};
        made = new QApplication(argc, argv);
    }
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Lets a desktop match the program's windows to its launcher.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(DesktopEntryName()));
}

void EndApplication() {
    if (!made || QCoreApplication::instance() != made) return;
    delete made;
    made = nullptr;
}

void CheckGuiThread(const char *operation) {
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread())
        RaiseNew<RuntimeException>(std::string(operation) + " was called outside the main thread");
}

bool PlatformShowsWindows() {
    QString platform = HaveApplication() ? QGuiApplication::platformName() : qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty() && !HaveApplication())
        return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return !platform.startsWith(QLatin1String("offscreen")) && !platform.startsWith(QLatin1String("minimal"));
}

bool HaveApplication() { return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr; }

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

String FromQt(const QString &text) {
    const QByteArray bytes = text.toUtf8();
    return String(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString ToQtLines(std::string_view text) {
    QString out = ToQt(text);
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QColor ToQt(const Color &colour) { return QColor(colour.red, colour.green, colour.blue, 255 - colour.alpha); }

QFont MakeFont(const String &name, float size, uint8_t unit, bool bold, bool italic, bool underline) {
    QFont font;
    if (name == "System" || name.empty())
        font = QApplication::font();
    else if (name == "Monaco")
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    else
        font = QFont(ToQt(name.view()));
    if (size > 0) {
        // The program's layouts count a point as one pixel (72 per inch), the
        // way its fixed-size windows were laid out; Qt's points are 1/72 of a
        // 96-dpi inch and would overflow them.
        double pixels = size;
        if (unit == 3) pixels = size * 72.0;
        if (unit == 4) pixels = size * 72.0 / 25.4;
        font.setPixelSize(qMax(1, qRound(pixels)));
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QFont MakeFont(const FontControl &c) {
    return MakeFont(c.FontName(), c.FontSize(), c.FontUnit(), c.Bold(), c.Italic(), c.Underline());
}

int FittingPixelSize(const QFont &font, const QString &text, int width) {
    const int size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    QFont fitted = font;
    for (int pixels = size; pixels >= 6 && pixels * 4 >= size * 3; --pixels) {
        fitted.setPixelSize(pixels);
        if (QFontMetrics(fitted).horizontalAdvance(text) <= width) return pixels;
    }
    return size; // too long even so: shown at its own size, cut at the edge
}

Qt::Alignment HorizontalAlignment(int64_t textAlignment) {
    switch (textAlignment) {
    case TextAlignment::Center:
        return Qt::AlignHCenter;
    case TextAlignment::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace fw::view
