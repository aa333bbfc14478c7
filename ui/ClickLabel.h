#pragma once

#include <QLabel>

namespace lumivane {

/// A label that reports a left click released over it, like a button.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lumivane
