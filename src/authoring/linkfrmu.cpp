#include "linkfrmu.h"

#include "dialog_kit.h"

#include "links.h"
#include "memo_text.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zorvel {

namespace {

constexpr const char* kUrlSection = "URLS";
constexpr const char* kProtocols[] = {"http", "ftp", "gopher", "news", "mailto", "file", ""};
constexpr const char* kComboInstructions =
    "To select an address, press the Enter key, or double click it using your mouse. To Delete a adrress, select "
    "it using the cursor key on the keyboard and then press the Delete Address button. ";

// Both pages keep one size whichever of their controls are showing.
void fixMemoHeight(QPlainTextEdit* memo) {
    memo->setTabChangesFocus(true);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 5 + 12);
}

int labelColumnWidth(const QWidget* w) {
    return w->fontMetrics().horizontalAdvance(QStringLiteral("Domain name + directory")) + 8;
}

} // namespace

QStringList readStoredAddresses(const IniProfile& profile) {
    const QString section = QLatin1String(kUrlSection);
    QStringList addresses;
    const IniSnapshot settings = profile.snapshot();
    const int count = std::min(settings.readInteger(section, QStringLiteral("No_URLS"), 0),
                               settings.lastNumber(section, QStringLiteral("URL_")));
    for (int i = 1; i <= count; ++i) {
        const QString value = settings.readString(section, QStringLiteral("URL_%1").arg(i), QString());
        if (!value.isEmpty())
            addresses << value;
    }
    return addresses;
}

void writeStoredAddresses(const IniProfile& settings, const QStringList& addresses) {
    if (addresses.isEmpty())
        return;
    const QString section = QLatin1String(kUrlSection);
    settings.writeInteger(section, QStringLiteral("No_URLS"), static_cast<int>(addresses.size()));
    for (qsizetype i = 0; i < addresses.size(); ++i)
        settings.writeString(section, QStringLiteral("URL_%1").arg(i + 1), addresses[i]);
}

TLinkFrm::TLinkFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LinkFrm"));
    setWindowTitle(QStringLiteral("Links"));

    LinksNotebook = named(new QTabWidget, "LinksNotebook");
    LinksNotebook->addTab(makeInternalPage(), QStringLiteral("Internal Links"));
    LinksNotebook->addTab(makeExternalPage(), QStringLiteral("External Links"));

    const OkCancelRow buttons = makeOkCancelRow(this);
    OK_Btn = buttons.ok;
    Cancel_Btn = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LinksNotebook);
    layout->addLayout(buttons.layout);
    LinksNotebook->setCurrentIndex(ExternalPage);
    Cancel_Btn->setFocus();
}

QWidget* TLinkFrm::makeInternalPage() {
    auto* page = new QWidget;
    Create_BookMark_Rad =
        named(new QRadioButton(QStringLiteral("Create a Bookmark")), "Create_BookMark_Rad", "Create a new BookMark");
    Link_To_BookMark_RAD = named(new QRadioButton(QStringLiteral("Link to a BookMark")), "Link_To_BookMark_RAD",
                                 "Link to a Pre-Defined bookmark");
    Create_BookMark_Rad->setChecked(true);
    BookMark_Name = named(new QLineEdit, "BookMark_Name");
    BookMark_ComboBox = named(new QComboBox, "BookMark_ComboBox");
    BookMark_ComboBox->hide();
    BookMark_Memo = named(new QPlainTextEdit, "BookMark_Memo");
    fixMemoHeight(BookMark_Memo);

    auto* grid = new QGridLayout(page);
    grid->addWidget(Create_BookMark_Rad, 0, 0, 1, 2);
    grid->addWidget(Link_To_BookMark_RAD, 1, 0, 1, 2);
    grid->addWidget(labelFor("Name of BookMark", BookMark_Name), 2, 0);
    // The list of known bookmarks takes the name field's place.
    grid->addWidget(BookMark_Name, 2, 1);
    grid->addWidget(BookMark_ComboBox, 2, 1);
    grid->addWidget(labelFor("Text to Display", BookMark_Memo), 3, 0, Qt::AlignTop);
    grid->addWidget(BookMark_Memo, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, labelColumnWidth(page));
    grid->setRowStretch(4, 1);

    connect(Create_BookMark_Rad, &QRadioButton::toggled, this, [this] { updateBookMarkField(); });
    return page;
}

QWidget* TLinkFrm::makeExternalPage() {
    auto* page = new QWidget;
    URL_Type = named(new QComboBox, "URL_Type");
    URL_Type->setEditable(true);
    // What is typed is the protocol: no completion, and Enter adds no item.
    URL_Type->setCompleter(nullptr);
    URL_Type->setInsertPolicy(QComboBox::NoInsert);
    for (const char* protocol : kProtocols)
        URL_Type->addItem(QLatin1String(protocol));
    URL_Type->setCurrentIndex(-1);
    Domain_Name = named(new QLineEdit, "Domain_Name");
    Ext_File_Name = named(new QLineEdit, "Ext_File_Name");
    URL_To_Use = named(new QLineEdit, "URL_To_Use");
    URL_To_Use->setReadOnly(true);
    URL_Label = named(new QLabel, "URL_Label");
    URL_Label->setMinimumWidth(URL_Label->fontMetrics().horizontalAdvance(QStringLiteral("URL to be used :")));
    External_Memo = named(new QPlainTextEdit, "External_Memo");
    fixMemoHeight(External_Memo);
    LookUp_Address_Btn =
        named(new QPushButton(QStringLiteral("Lookup Address")), "LookUp_Address_Btn", "Get a Pre-Defined URL");
    Store_Address_Btn = named(new QPushButton(QStringLiteral("Store Address")), "Store_Address_Btn",
                              "Store the current URL for later retrieval");
    Delete_Address_Btn =
        named(new QPushButton(QStringLiteral("Delete Address")), "Delete_Address_Btn", "Delete a predefined URL");
    URL_ComboBox = named(new QListWidget, "URL_ComboBox");
    Combo_Instructions = named(new QLabel(QLatin1String(kComboInstructions)), "Combo_Instructions");
    Combo_Instructions->setTextFormat(Qt::PlainText);
    Combo_Instructions->setWordWrap(true);
    // A wrapped label's size hint assumes more width than it gets here.
    Combo_Instructions->setMinimumHeight(Combo_Instructions->fontMetrics().lineSpacing() * 4);
    Combo_Instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* protocolLabel = labelFor("Protocol", URL_Type);
    QLabel* domainLabel = labelFor("Domain name + directory", Domain_Name);
    QLabel* fileLabel = labelFor("File name", Ext_File_Name);
    addressFields_ = {protocolLabel, URL_Type,      domainLabel, Domain_Name,
                      fileLabel,     Ext_File_Name, URL_Label,   URL_To_Use};

    auto* grid = new QGridLayout(page);
    grid->addWidget(protocolLabel, 0, 0);
    grid->addWidget(URL_Type, 0, 1);
    grid->addWidget(domainLabel, 1, 0);
    grid->addWidget(Domain_Name, 1, 1);
    grid->addWidget(fileLabel, 2, 0);
    grid->addWidget(Ext_File_Name, 2, 1);
    grid->addWidget(URL_Label, 3, 0);
    grid->addWidget(URL_To_Use, 3, 1);
    // The stored addresses and their instructions take the fields' place.
    grid->addWidget(URL_ComboBox, 0, 0, 3, 2);
    grid->addWidget(Combo_Instructions, 3, 0, 1, 2);
    grid->addWidget(labelFor("Text to Display", External_Memo), 4, 0, Qt::AlignTop);
    grid->addWidget(External_Memo, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LookUp_Address_Btn);
    buttons->addWidget(Store_Address_Btn);
    buttons->addWidget(Delete_Address_Btn);
    buttons->addStretch(1);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, labelColumnWidth(page));
    grid->setRowStretch(6, 1);
    URL_ComboBox->setMinimumWidth(420);
    URL_ComboBox->setFixedHeight(URL_ComboBox->fontMetrics().lineSpacing() * 4 + 8);

    // The page keeps the height of the taller of its two arrangements.
    showAddressList(true);
    const int listHeight = grid->minimumSize().height();
    showAddressList(false);
    page->setMinimumHeight(std::max(listHeight, grid->minimumSize().height()));

    connect(URL_Type, &QComboBox::currentTextChanged, this, [this] { URL_To_Be_Used(); });
    connect(Domain_Name, &QLineEdit::textChanged, this, [this] { URL_To_Be_Used(); });
    connect(Ext_File_Name, &QLineEdit::textChanged, this, [this] { URL_To_Be_Used(); });
    for (QWidget* field :
         {static_cast<QWidget*>(URL_Type), static_cast<QWidget*>(Domain_Name), static_cast<QWidget*>(Ext_File_Name)})
        field->installEventFilter(this);
    if (URL_Type->lineEdit())
        URL_Type->lineEdit()->installEventFilter(this);
    URL_ComboBox->installEventFilter(this);

    connect(LookUp_Address_Btn, &QPushButton::clicked, this, &TLinkFrm::LookUp_Address_BtnClick);
    connect(Store_Address_Btn, &QPushButton::clicked, this, &TLinkFrm::Store_Address_BtnClick);
    connect(Delete_Address_Btn, &QPushButton::clicked, this, &TLinkFrm::Delete_Address_BtnClick);
    connect(URL_ComboBox, &QListWidget::itemDoubleClicked, this, [this] { URL_ComboBoxDblClick(); });
    return page;
}

void TLinkFrm::prepare(const QStringList& bookMarks, const QStringList& storedAddresses, const QString& selText) {
    LinksNotebook->setCurrentIndex(ExternalPage);
    Ext_File_Name->clear();
    Domain_Name->clear();
    BookMark_Name->clear();
    setMemoText(External_Memo, selText);
    setMemoText(BookMark_Memo, selText);

    BookMark_ComboBox->clear();
    BookMark_ComboBox->addItems(bookMarks);
    BookMark_ComboBox->setCurrentIndex(bookMarks.isEmpty() ? -1 : 0);

    URL_ComboBox->clear();
    URL_ComboBox->addItems(storedAddresses);
    LookUp_Address_Btn->setEnabled(!storedAddresses.isEmpty());

    if (BookMark_ComboBox->count() == 0) {
        Link_To_BookMark_RAD->setChecked(false);
        Link_To_BookMark_RAD->setEnabled(false);
        Create_BookMark_Rad->setChecked(true);
    } else {
        Link_To_BookMark_RAD->setEnabled(true);
    }
    // The address stays empty until the user touches one of its fields.
    {
        const QSignalBlocker block(URL_Type);
        URL_Type->setCurrentIndex(0);
    }
    URL_To_Use->clear();
    URL_Label->clear();
    Cancel_Btn->setFocus();
}

void TLinkFrm::URL_To_Be_Used() {
    URL_Label->setText(QStringLiteral("URL to be used :"));
    URL_To_Use->setText(composeUrl(URL_Type->currentText(), Domain_Name->text(), Ext_File_Name->text()));
}

void TLinkFrm::showAddressList(bool show) {
    for (QWidget* w : addressFields_)
        w->setVisible(!show);
    URL_ComboBox->setVisible(show);
    Delete_Address_Btn->setVisible(show);
    Combo_Instructions->setVisible(show);
}

void TLinkFrm::LookUp_Address_BtnClick() {
    if (URL_ComboBox->count() == 0)
        return;
    showAddressList(true);
    URL_ComboBox->setCurrentRow(0);
    URL_ComboBox->setFocus();
}

void TLinkFrm::Store_Address_BtnClick() {
    const QString address = URL_To_Use->text().trimmed();
    if (address.isEmpty())
        return;
    URL_ComboBox->addItem(address);
    LookUp_Address_Btn->setEnabled(true);
}

void TLinkFrm::Delete_Address_BtnClick() {
    const QList<QListWidgetItem*> selected = URL_ComboBox->selectedItems();
    if (!selected.isEmpty())
        delete URL_ComboBox->takeItem(URL_ComboBox->row(selected.first()));
    URL_To_Use->clear();
}

QString TLinkFrm::chosenAddress() const {
    const QListWidgetItem* item = URL_ComboBox->currentItem();
    return item ? item->text() : QString();
}

void TLinkFrm::URL_ComboBoxKeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const QString address = chosenAddress();
        showAddressList(false);
        URL_To_Use->setText(address);
    } else if (key == Qt::Key_Escape) {
        showAddressList(false);
    }
}

void TLinkFrm::URL_ComboBoxDblClick() {
    const QString address = chosenAddress();
    showAddressList(false);
    if (const auto parts = splitUrl(address)) {
        // Filling the fields composes an address of their own; the stored one is shown.
        URL_Type->setCurrentText(parts->protocol);
        Domain_Name->setText(parts->domain);
        Ext_File_Name->setText(parts->file);
    }
    URL_To_Use->setText(address);
}

void TLinkFrm::updateBookMarkField() {
    const bool linking = Link_To_BookMark_RAD->isChecked();
    const bool showList = linking && BookMark_ComboBox->count() > 0;
    BookMark_ComboBox->setVisible(showList);
    BookMark_Name->setVisible(!showList);
}

bool TLinkFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == URL_ComboBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            URL_ComboBoxKeyPress(key);
            return true; // not the dialog's default button or its Escape
        }
    } else if (watched != URL_ComboBox && event->type() == QEvent::FocusOut) {
        // Leaving a field composes the address; a drop-down list or another
        // window taking the focus is not leaving it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            URL_To_Be_Used();
    }
    return QDialog::eventFilter(watched, event);
}

QString TLinkFrm::linkText() const {
    if (LinksNotebook->currentIndex() == ExternalPage)
        return externalLinkText(URL_To_Use->text(), memoText(External_Memo));
    if (Link_To_BookMark_RAD->isChecked())
        return bookMarkLinkText(BookMark_ComboBox->currentText(), memoText(BookMark_Memo));
    return bookMarkText(BookMark_Name->text(), memoText(BookMark_Memo));
}

std::optional<QString> TLinkFrm::createdBookMark() const {
    if (LinksNotebook->currentIndex() == InternalPage && !Link_To_BookMark_RAD->isChecked())
        return BookMark_Name->text();
    return std::nullopt;
}

QStringList TLinkFrm::storedAddresses() const {
    QStringList addresses;
    for (int i = 0; i < URL_ComboBox->count(); ++i)
        addresses << URL_ComboBox->item(i)->text();
    return addresses;
}

std::optional<QString> runLinkDialog(Prompter& prompter, const IniProfile& settings, QStringList& bookMarks,
                                     const QString& selText, QWidget* parent) {
    TLinkFrm dialog(parent);
    dialog.prepare(bookMarks, readStoredAddresses(settings), selText);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    writeStoredAddresses(settings, dialog.storedAddresses());
    if (const auto name = dialog.createdBookMark())
        addBookMark(bookMarks, *name);
    return dialog.linkText();
}

} // namespace zorvel
