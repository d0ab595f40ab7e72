#include "frm_about.h"

#include "platform/product.h"
#include "platform/units.h"

#include <QIcon>
#include <QLabel>

namespace {
// Dark red on white.
const QColor LabelTextColour(0x40, 0x00, 0x00);

QFont labelFont(qreal points) {
    QFont font;
    // Where Verdana is missing, DejaVu Sans: its bold face runs within 2% of
    // Verdana's bold width, so the texts break where they would in Verdana.
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    return font;
}
} // namespace

frmAbout::frmAbout(QWidget* parent) : MdiChildForm(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setWindowIcon(QIcon(QStringLiteral(":/pellorin/icon.png")));
    setClientSizeTwips(3150, 3765);

    // The logo from the box's top-left corner, cut off where the box ends.
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(Units::twipsRect(120, 120, 2970, 1455));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/pellorin/logo.gif")));

    Label1 = makeLabel("Label1", Product::caption, 1680, 255, 9.75);
    Label2 = makeLabel("Label2", tr("by Tolvane"), 2040, 255, 9);
    Label3 = makeLabel("Label3", QString(), 2400, 1215, 9);
    Label3->setWordWrap(true);
}

QLabel* frmAbout::makeLabel(const char* name, const QString& text, int top, int height,
                            qreal points) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(Units::twipsRect(120, top, 2895, height));
    label->setFont(labelFont(points));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, LabelTextColour);
    label->setPalette(pal);
    return label;
}

void frmAbout::Form_Load() {
    Move(0, 0);
    Label3->setText(tr("This is a beta release and distributed as as-is. ") +
                    tr("Tolvane is neither responsible nor liable for any damage "
                       "done to your computer."));
}
