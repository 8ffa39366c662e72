// Profile management of the device page: the profile row, the profile menu
// and its operations, the defaults of a new profile and the storing of
// custom-light colours.
#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "DProfileMenuToolWidget.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "profileStoreOps.h"

#include "data/DDataManager.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DFileChooser.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>

namespace {

constexpr int kGridRows = 6;
constexpr int kGridColumns = 22;

template <size_t N> void copyText(char (&field)[N], const QByteArray &text)
{
    const size_t n = qMin(size_t(text.size()), N - 1);
    std::memcpy(field, text.constData(), n);
    std::memset(field + n, 0, N - n);
}

// Both stores of the keyboard, as the files on disk name them.
bool isOneOfStores(const QString &target, const QString &profileDir)
{
    if (profileDir.isEmpty())
        return false;
    const QString canonical = QFileInfo(target).canonicalFilePath();
    for (const char *file : {"appProfile_Default.xml", "appProfile_FN.xml"}) {
        const QString store = QFileInfo(profileDir + QLatin1Char('/') + QLatin1String(file)).canonicalFilePath();
        if (!store.isEmpty() && store == canonical)
            return true;
    }
    return false;
}

} // namespace

void DDevicePage::setFileChooser(std::shared_ptr<DFileChooser> chooser)
{
    m_fileChooser = chooser ? std::move(chooser) : std::make_shared<DDialogFileChooser>();
}

QByteArray DDevicePage::currentProfileIndexText() const
{
    return QByteArray::number(m_profileIndex);
}

bool DDevicePage::hasProfileStore() const
{
    return m_profileXmlPath[0] != '\0';
}

// ---------------------------------------------------------------------------
// The menu
// ---------------------------------------------------------------------------

void DDevicePage::on_pushButton_ProfileOperate_clicked()
{
    // The page's single bubble: a tip or an earlier menu gives way.
    if (m_bubble) {
        m_bubble->hide();
        m_bubble->deleteLater();
    }
    auto *menu = new DProfileMenuToolWidget(this);
    menu->setWindowOpacity(1.0);
    connect(menu, &DProfileMenuToolWidget::sigCloseMenuWidow, this, &DDevicePage::onCloseMenuWidow);
    connect(menu, &DProfileMenuToolWidget::sigProfileCreate, this, &DDevicePage::onProfileCreate);
    connect(menu, &DProfileMenuToolWidget::sigProfileDelete, this, &DDevicePage::onProfileDelete);
    connect(menu, &DProfileMenuToolWidget::sigProfileExport, this, &DDevicePage::onProfileExport);
    connect(menu, &DProfileMenuToolWidget::sigProfileImport, this, &DDevicePage::onProfileImport);
    connect(menu, &DProfileMenuToolWidget::sigProfileModifyName, this, &DDevicePage::onProfileModifyName);

    auto *bubble = new ArrowWidget(1, this);
    bubble->setBubbleSize(160, 180);
    bubble->setArrowPosition(120);
    bubble->setContentWidget(menu);
    m_bubble = bubble;

    QWidget *button = ui->pushButton_ProfileOperate;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    bubble->move(anchor - QPoint(127, 200));
    // Not activated: the page's window keeps the keyboard, so typing goes on
    // once the menu closes, and Escape still reaches the menu.
    bubble->showAsMenu();
}

// ---------------------------------------------------------------------------
// Operations
// ---------------------------------------------------------------------------

void DDevicePage::onProfileCreate()
{
    qDebug() << "-------------------[Create]----------------------";
    if (!hasProfileStore())
        return;
    const std::vector<ProfileNodeEntry> profiles = profileStore::listProfiles(m_profileXmlPath);
    if (int(profiles.size()) >= profileStore::kMaxProfiles) {
        showNotice(tr("The number of profile has reached the maximum"));
        return;
    }
    const int index = profileStore::nextProfileIndex(profiles);
    const QByteArray indexText = QByteArray::number(index);
    if (CVardexXML_IsExistenceSelectProfileNode(m_profileXmlPath, indexText.constData())) {
        showNotice(tr("Create failed, the index node is already existence, please checked"));
        return;
    }
    // The profile reaches the file together with its defaults, or not at all.
    const QByteArray name = QStringLiteral("Profile%1").arg(index).toLatin1();
    bool ok = CVardexXML_BeginBatch(m_profileXmlPath);
    if (ok) {
        ok = CVardexXML_CreateProFileXmlParentNode(m_profileXmlPath, indexText.constData(), name.constData(), 0);
        if (ok) {
            addDefaultLightItems(index);
            addDefaultCustomLights(index);
        }
        ok = CVardexXML_EndBatch(m_profileXmlPath) && ok;
    }
    loadProfileListAndKeyMarks();
    showNotice(ok ? tr("Create profile successful") : tr("Create profile failed"));
}

void DDevicePage::onProfileDelete()
{
    qDebug() << "-------------------[Delete]----------------------";
    if (!hasProfileStore())
        return;
    if (profileStore::listProfiles(m_profileXmlPath).size() < 2) {
        showNotice(tr("Need keep at least one profile"));
        return;
    }
    // Removing the profile and naming the next current one are one write.
    bool ok = CVardexXML_BeginBatch(m_profileXmlPath);
    int first = -1;
    if (ok) {
        ok = CVardexXML_DeleteProFileSelectedNode(m_profileXmlPath, currentProfileIndexText().constData());
        const std::vector<ProfileNodeEntry> rest = profileStore::listProfiles(m_profileXmlPath);
        if (ok && !rest.empty()) {
            first = profileStore::entryIndex(rest.front()).toInt();
            ok = CVardexXML_ModifyXMLFileProfileIndex(m_profileXmlPath, first);
        }
        ok = CVardexXML_EndBatch(m_profileXmlPath) && ok;
    }
    if (!ok) {
        loadProfileListAndKeyMarks();
        showNotice(tr("Delete profile failed"));
        return;
    }
    m_profileIndex = first;
    loadCurrentProfile();
    showNotice(tr("Delete profile successful"));
}

void DDevicePage::onProfileExport()
{
    qDebug() << "-------------------[Export]----------------------";
    if (!hasProfileStore())
        return;
    const QString folder =
        m_fileChooser->existingDirectory(this, tr("Save directory"), DFileChooser::startFolder());
    if (folder.isEmpty()) {
        showNotice(tr("Please select save directory first"));
        return;
    }
    ProfileNodeInfo info {};
    if (!CVardexXML_SelectProfileNodeInfo(m_profileXmlPath, currentProfileIndexText().constData(), &info)) {
        showNotice(tr("This index node non-existent"));
        return;
    }
    const QString name = QString::fromUtf8(info.name, int(qstrnlen(info.name, sizeof info.name)));
    const QString target = QDir(folder).filePath(profileStore::exportFileName(name) + QStringLiteral(".xml"));
    const QByteArray local = QFile::encodeName(target);
    if (local.size() >= 256) {
        showNotice(tr("The export path is too long"));
        return;
    }
    if (isOneOfStores(target, m_profileDir)) {
        showNotice(tr("Export profile failed"));
        return;
    }
    if (QFileInfo::exists(target)) {
        const QString question =
            tr("The file %1 already exists. Add the profile to it?").arg(QDir::toNativeSeparators(target));
        if (!m_fileChooser->confirm(this, tr("Export"), question))
            return;
    }
    const bool ok =
        CVardexXML_ProFileExport(m_profileXmlPath, local.constData(), currentProfileIndexText().constData(), 0);
    showNotice(ok ? tr("Export profile successful") : tr("Export profile failed"));
}

void DDevicePage::onProfileImport()
{
    qDebug() << "-------------------[Import]----------------------";
    if (!hasProfileStore())
        return;
    const QString file = m_fileChooser->openFileName(this, tr("Open profile file"), DFileChooser::startFolder(),
                                                     tr("Profile files(*.xml)"));
    if (file.isEmpty()) {
        m_lastNotice = tr("Please select import file first");
        m_notice->showNotice(m_lastNotice, rect().center());
        return;
    }
    if (int(profileStore::listProfiles(m_profileXmlPath).size()) >= profileStore::kMaxProfiles) {
        showNotice(tr("The number of profile has reached the maximum"));
        return;
    }
    const QByteArray local = QFile::encodeName(file);
    if (local.size() >= 256) {
        showNotice(tr("Import profile failed"));
        return;
    }
    const std::vector<ProfileNodeEntry> inFile = profileStore::listProfiles(local.constData());
    const QByteArray source = inFile.empty() ? QByteArray("1") : profileStore::entryIndex(inFile.back());
    if (!CVardexXML_ProFileImport(m_profileXmlPath, local.constData(), source.constData())) {
        showNotice(tr("Import profile failed"));
        return;
    }
    loadProfileListAndKeyMarks();
    showNotice(tr("Import profile successful"));
}

void DDevicePage::onProfileModifyName()
{
    qDebug() << "-------------------[Modify]----------------------";
    if (!hasProfileStore())
        return;
    ProfileNodeInfo info {};
    if (!CVardexXML_SelectProfileNodeInfo(m_profileXmlPath, currentProfileIndexText().constData(), &info))
        return;
    ui->lineEdit_profileName->setText(QString::fromUtf8(info.name, int(qstrnlen(info.name, sizeof info.name))));
    ui->stackedWidget_2->setCurrentWidget(ui->page_ModifyName);
    ui->lineEdit_profileName->setFocus();
    ui->lineEdit_profileName->selectAll();
}

void DDevicePage::on_pushButton_Save_clicked()
{
    const QString name = ui->lineEdit_profileName->text();
    if (name.isEmpty()) {
        showNotice(tr("Profile name can't empty"));
        return;
    }
    const QByteArray utf8 = name.toUtf8();
    if (utf8.size() > profileStore::kMaxNameBytes) {
        showNotice(tr("The profile name is too long"));
        return;
    }
    if (!hasProfileStore() ||
        !CVardexXML_ModifyProfileNodeInfo(m_profileXmlPath, currentProfileIndexText().constData(), utf8.constData())) {
        showNotice(tr("Modify profile info failed"));
        return;
    }
    loadProfileListAndKeyMarks();
    ui->stackedWidget_2->setCurrentWidget(ui->page_ProfileList);
    showNotice(tr("Modify profile info successful"));
}

void DDevicePage::on_pushButton_Cancel_clicked()
{
    ui->lineEdit_profileName->clear();
    ui->stackedWidget_2->setCurrentWidget(ui->page_ProfileList);
}

void DDevicePage::on_comboBox_profileList_currentIndexChanged(const QString &text)
{
    qDebug() << "----------------------------------------profileName:" << text;
    const QVariant data = ui->comboBox_profileList->currentData();
    if (!data.isValid() || !hasProfileStore())
        return;
    m_profileIndex = data.toInt();
    CVardexXML_ModifyXMLFileProfileIndex(m_profileXmlPath, m_profileIndex);
    loadCurrentProfile();
}

// ---------------------------------------------------------------------------
// Defaults of a new profile
// ---------------------------------------------------------------------------

void DDevicePage::addDefaultLightItems(int profileIndex)
{
    const QByteArray index = QByteArray::number(profileIndex);
    for (int part = 0; part < 3; ++part) {
        colorInfoData record {};
        record.hidType = part;
        record.ledType = 2;
        record.ledBrightness = 3;
        record.ledSpeed = 3;
        record.ledTopColor[0] = 255;
        record.ledFullColor = 1;
        CVardexXML_AddProFileLightInfoItem(m_profileXmlPath, index.constData(), record);
    }
    if (DDataManager::instance()->isLightSynchronize())
        CVardexXML_ModifyProFileLightSynchronizeStatus(m_profileXmlPath, index.constData(), 1);
}

void DDevicePage::addDefaultCustomLights(int profileIndex)
{
    struct CustomLightDefault
    {
        const char *id;
        QString name;
        const char *state;
        int slot;
    };
    const CustomLightDefault lights[] = {
        {"0", QStringLiteral("Alphabets"), "Using", 0},
        {"1", QStringLiteral("WASD+Arrows"), "Using", 1},
        {"2", QStringLiteral("Custom %1").arg(3), "UnUsing", -1},
        {"3", QStringLiteral("Custom %1").arg(4), "UnUsing", -1},
        {"4", QStringLiteral("Custom %1").arg(5), "UnUsing", -1},
    };
    const QByteArray index = QByteArray::number(profileIndex);
    for (const CustomLightDefault &light : lights) {
        CVardexXML_AddProFileCustomLightNode(m_profileXmlPath, index.constData(), light.id,
                                             light.name.toUtf8().constData(), light.state, light.slot);
        if (light.slot >= 0)
            copyCustomLightDefaults(profileIndex, light.slot);
    }
}

QString DDevicePage::customLightDefaultFile() const
{
    const char *model = m_currentDevice.hidName;
    return customLightDefaultFileFor(m_currentDevice.keyCount,
                                     QString::fromLatin1(model, int(qstrnlen(model, sizeof m_currentDevice.hidName))));
}

void DDevicePage::copyCustomLightDefaults(int profileIndex, int customLightId)
{
    // The store reads files by path: the embedded default goes through a
    // temporary copy that is removed again.
    const QString fileName = customLightDefaultFile();
    const QString resource = QStringLiteral(":/images/configDir/") + fileName;
    if (!QFile::exists(resource))
        return;
    QTemporaryDir dir;
    if (!dir.isValid())
        return;
    const QString copy = dir.path() + QLatin1Char('/') + fileName;
    if (!QFile::copy(resource, copy))
        return;
    const QByteArray copyPath = QFile::encodeName(copy);
    const QByteArray id = QByteArray::number(customLightId);
    std::list<customLightKeyRecord> keys;
    CVardexXML_XmlCustomLightInfoSelectAll(copyPath.constData(), id.constData(), keys);
    const QByteArray index = QByteArray::number(profileIndex);
    for (const customLightKeyRecord &key : keys)
        CVardexXML_AddProFileCustomLightDataInfo(m_profileXmlPath, index.constData(), id.constData(), key);
}

void DDevicePage::saveCustomLightColors(const QList<keyboardButCustom *> &buttons)
{
    Q_UNUSED(buttons); // the whole grid is stored, not only the coloured keys
    if (!hasProfileStore())
        return;
    const QByteArray id = QByteArray::number(m_lightsConfigPage->currentCustomLightIndex());
    const QByteArray index = currentProfileIndexText();
    // The keys go in with the clearing in one write, so a crash never leaves
    // the custom light emptied.
    if (!CVardexXML_BeginBatch(m_profileXmlPath))
        return;
    if (CVardexXML_ClearProFileCustomLightNode(m_profileXmlPath, index.constData(), id.constData())) {
        for (int row = 0; row < kGridRows; ++row) {
            for (int column = 0; column < kGridColumns; ++column) {
                const keyboardButCustom *button = m_keyButtons[row][column];
                if (!button)
                    continue;
                const QColor color = button->customLightColor();
                if (!color.isValid() || (color.red() == 0 && color.green() == 0 && color.blue() == 0))
                    continue;
                customLightKeyRecord record {};
                copyText(record.keyCode, QByteArray::number(button->keyDec()));
                copyText(record.keyName, button->keyCharacter().toLatin1());
                record.indexX = button->rowIndex();
                record.indexY = button->columnIndex();
                record.colorR = color.red();
                record.colorG = color.green();
                record.colorB = color.blue();
                record.transparentNum = 128;
                CVardexXML_AddProFileCustomLightDataInfo(m_profileXmlPath, index.constData(), id.constData(), record);
            }
        }
    }
    CVardexXML_EndBatch(m_profileXmlPath);
}
