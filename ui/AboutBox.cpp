// The about box: product, version, the maker with a link to its web address, and the
// read-me text. Shown without blocking; OK hides it.
#include "AuxiliaryWindows.h"

#include "dialogs/DialogTexts.h"

#include <QAction>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>

namespace {

constexpr int kLogoSize = 64;
const QColor kCream(0xFF, 0xF8, 0xE1);
const QColor kSea(0x1F, 0x5F, 0x9F);

// The maker's logo: a wave on a round sea-blue badge.
QPixmap Logo() {
    QPixmap logo(kLogoSize, kLogoSize);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSea);
    painter.drawEllipse(2, 2, kLogoSize - 4, kLogoSize - 4);
    QPainterPath wave;
    wave.moveTo(12, 38);
    wave.cubicTo(22, 26, 30, 50, 40, 38);
    wave.cubicTo(46, 31, 50, 33, 54, 36);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    return logo;
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A label that opens the maker's web address in the browser when clicked.
QLabel* LinkLabel(QWidget* parent, const char* name, const char* text) {
    QString link = QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(QString::fromLatin1(kMakerWebUrl), QString::fromLatin1(text));
    QLabel* label = NamedLabel(parent, name, link);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// A menu caption as the user reads it: "About(&A)" gives "About", "&Help" "Help".
QString WithoutMnemonic(QString caption) {
    static const QRegularExpression kBracketed(QStringLiteral("\\(&[^)]\\)"));
    static const QRegularExpression kMarker(QStringLiteral("&(.)"));
    return caption.remove(kBracketed).replace(kMarker, QStringLiteral("\\1")).trimmed();
}

// "About Tidelane T360KV Configurator", with the item's word for "About".
QString AboutTitle(const QAction* aboutItem) {
    return WithoutMnemonic(aboutItem->text()) + QLatin1Char(' ') +
           QString::fromLatin1(kProductName);
}

class AboutBox : public QDialog {
public:
    explicit AboutBox(QWidget* parent) : QDialog(parent) {}

    void SetReadMe(QPlainTextEdit* readMe) { readMe_ = readMe; }

protected:
    void showEvent(QShowEvent* event) override {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
        QDialog::showEvent(event);
        // Loading the read-me leaves the view at its last line; the box opens at the top.
        readMe_->moveCursor(QTextCursor::Start);
        readMe_->verticalScrollBar()->setValue(0);
    }

private:
    QPlainTextEdit* readMe_ = nullptr;
};

} // namespace

void CreateAboutBox(QWidget* mainWindow, QAction* aboutItem) {
    auto* box = new AboutBox(mainWindow);
    box->setObjectName(QStringLiteral("frmAbout"));
    box->setWindowTitle(AboutTitle(aboutItem));
    QObject::connect(aboutItem, &QAction::changed, box,
                     [box, aboutItem] { box->setWindowTitle(AboutTitle(aboutItem)); });
    box->setModal(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, kCream);
    box->setPalette(palette);
    box->setAutoFillBackground(true);

    QLabel* image = NamedLabel(box, "Image2", QString());
    image->setPixmap(Logo());
    QLabel* product = NamedLabel(box, "StaticTextProduct", QString::fromLatin1(kProductName));
    product->setStyleSheet(QStringLiteral("color: black; font-weight: bold;"));
    QLabel* version = NamedLabel(box, "Label6", QString::fromLatin1(kAboutVersion));
    QLabel* company = LinkLabel(box, "lblCompanyName", kMakerCompany);
    QLabel* webUrl = LinkLabel(box, "lblWebUrl", kMakerWebUrl);

    auto* memo = new QPlainTextEdit(QString::fromLatin1(kMakerNotice), box);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->SetReadMe(memo);

    auto* ok = new QPushButton(QStringLiteral("OK"), box);
    ok->setObjectName(QStringLiteral("btnOK"));
    QObject::connect(ok, &QPushButton::clicked, box, &QDialog::hide);

    auto* grid = new QGridLayout(box);
    grid->addWidget(image, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(company, 2, 1);
    grid->addWidget(webUrl, 3, 1);
    grid->addWidget(memo, 4, 0, 1, 2);
    grid->addWidget(ok, 5, 1, Qt::AlignRight);
    box->resize(460, 360);
}
