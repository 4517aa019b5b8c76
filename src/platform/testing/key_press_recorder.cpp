#include "platform/testing/key_press_recorder.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/controls/control_data_qt.h"

namespace platform {

class KeyPressRecorder::Filter : public QObject {
 public:
  explicit Filter(QWidget& field) : field_(&field) { field.installEventFilter(this); }
  ~Filter() override {
    if (field_) field_->removeEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      presses.push_back(
          QKeySequence(key.keyCombination()).toString(QKeySequence::PortableText).toStdString());
    }
    return QObject::eventFilter(watched, event);
  }

  std::vector<std::string> presses;

 private:
  QPointer<QWidget> field_;
};

KeyPressRecorder::KeyPressRecorder(const std::shared_ptr<TextArea>& field)
    : filter_(std::make_unique<Filter>(NotNil(field).Data().Widget())) {}

KeyPressRecorder::~KeyPressRecorder() = default;

const std::vector<std::string>& KeyPressRecorder::Presses() const {
  return filter_->presses;
}

}  // namespace platform
