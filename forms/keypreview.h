#pragma once
// A form's own keys, taken before any of its controls sees them: each key of
// the map runs its action and goes no further; other keys pass on.
#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Keys = QHash<int, std::function<void()>>;

    // Watches the form's keys for as long as the form lives.
    static KeyPreview* install(QWidget* form, Keys keys);
    void add(const Keys& keys) { m_keys.insert(keys); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyPreview(QWidget* form, Keys keys);

    QWidget* m_form;
    Keys m_keys;
};
