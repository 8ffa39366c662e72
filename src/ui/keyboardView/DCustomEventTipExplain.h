#ifndef DCUSTOMEVENTTIPEXPLAIN_H
#define DCUSTOMEVENTTIPEXPLAIN_H

#include <QWidget>

class QLabel;

// Content of the key bubble: key name, function and mapping of the key under
// the pointer.
class DCustomEventTipExplain : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomEventTipExplain(QWidget *parent = nullptr);

    void setTipInfo(const QString &keyName, const QString &functionText, const QString &mappingText,
                    bool available);

    QString keyNameText() const;
    QString functionText() const;
    QString mappingText() const;
    bool isElided() const { return m_elided; }

    static constexpr int kMappingWidth = 190;

private:
    void setHighlighted(bool highlighted);
    void elideMappingText(const QString &text);

    QLabel *m_keyName = nullptr;
    QLabel *m_function = nullptr;
    QLabel *m_mapping = nullptr;
    bool m_elided = false;
};

#endif // DCUSTOMEVENTTIPEXPLAIN_H
