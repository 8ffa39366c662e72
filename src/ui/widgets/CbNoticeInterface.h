#pragma once

#include <QPoint>
#include <QString>

// What a page needs of a toast: show a message, optionally at a point.
class CbNoticeInterface
{
public:
    virtual ~CbNoticeInterface() = default;

    // The current text at the default centre.
    virtual void showNotice() = 0;
    // The given text at the default centre.
    virtual void showNotice(const QString &text) = 0;
    // The given text centred on `centre`; a null point means the default centre.
    virtual void showNotice(const QString &text, const QPoint &centre) = 0;
};
