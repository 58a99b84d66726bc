#pragma once

#include <QObject>
#include <QStringList>

namespace tallomat {

// Watches the whole application for message boxes: records the text of each one shown and closes
// it with its OK button as soon as its event loop runs, so that nothing waits for a person.
class MessageBoxCloser : public QObject {
  public:
    MessageBoxCloser();
    ~MessageBoxCloser() override;

    // The texts of the boxes shown since the last call, in order.
    QStringList takeMessages();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QStringList messages_;
};

}  // namespace tallomat
