// Shows each authoring dialog and both tool boxes and saves a picture of each
// into the directory given as the first argument, for looking at the layout:
//   xvfb-run -s "-screen 0 1280x1024x24" build/tests/authoring/authoring_gallery /tmp/shots
#include "bkgrndu.h"
#include "formsu.h"
#include "imageu.h"
#include "linkfrmu.h"
#include "tableu.h"
#include "toolbox.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QThread>

using namespace zorvel;

namespace {

class NoPrompter : public Prompter {
public:
    MessageAnswer message(const QString&, MessageIcon, MessageButtons) override { return MessageAnswer::Ok; }
    int choose(const QString&, MessageIcon, const QStringList&, int escape) override { return escape; }
    std::optional<QString> openFileName(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<QColor> color(const QColor&) override { return std::nullopt; }
    std::optional<QFont> font(const QFont&) override { return std::nullopt; }
    int exec(QDialog&) override { return QDialog::Rejected; }
    bool printDialog(QPrinter&) override { return false; }
    bool pageSetupDialog(QPrinter&) override { return false; }
    std::unique_ptr<Progress> progress(const QString&) override { return nullptr; }
};

void shoot(QWidget& w, const QString& dir, const QString& name) {
    w.show();
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
    w.hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(dir);
    NoPrompter prompter;

    TLinkFrm link;
    link.prepare({"end", "top"}, {"http://www.x.org/", "ftp://server/a/b.htm"}, "Some text");
    shoot(link, dir, "links_external");
    link.LookUp_Address_BtnClick();
    shoot(link, dir, "links_lookup");
    link.findChild<QTabWidget*>("LinksNotebook")->setCurrentIndex(0);
    shoot(link, dir, "links_internal");

    TImageFrm image(prompter, PicturePlace{});
    image.setMemo("Logo");
    shoot(image, dir, "image");

    TBackGroundFrm background(prompter, PicturePlace{});
    shoot(background, dir, "background");

    TTableFrm table(prompter, {});
    table.findChild<QSpinBox*>("Rows")->setValue(3);
    table.findChild<QSpinBox*>("HeadRowsSpinEdit")->setValue(1);
    auto* cells = table.findChild<TImproveGrid*>();
    cells->setItem(0, 0, new QTableWidgetItem("Item"));
    cells->setItem(0, 1, new QTableWidgetItem("Price"));
    cells->setItem(1, 0, new QTableWidgetItem("A fountain pen with a gold nib"));
    cells->setItem(1, 1, new QTableWidgetItem("24.00"));
    cells->setJustification(1, 1, {Qt::AlignRight, Qt::AlignTop});
    shoot(table, dir, "table_design");
    table.findChild<QTabWidget*>("TabSet1")->setCurrentIndex(1);
    shoot(table, dir, "table_test");

    TFormFrm form;
    form.setMemos("Selected\r\ntext");
    for (int page = 0; page < kFormPageCount; ++page) {
        form.showPage(static_cast<FormPage>(page));
        shoot(form, dir, QStringLiteral("form_%1").arg(page));
    }

    QScrollArea area;
    area.setWidget(new TToolBox(Qt::Vertical));
    area.setWidgetResizable(true);
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.resize(area.widget()->sizeHint().width() + 20, 700);
    shoot(area, dir, "toolbox_vertical");
    area.resize(area.width(), 300);
    shoot(area, dir, "toolbox_vertical_scrolling");

    TToolBox horizontal(Qt::Horizontal);
    shoot(horizontal, dir, "toolbox_horizontal");
    return 0;
}
