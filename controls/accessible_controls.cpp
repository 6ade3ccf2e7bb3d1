// The accessibility factory for the screens' own controls.
#include "controls/accessible_controls.h"

#include "controls/announcer.h"
#include "controls/caption_label.h"
#include "controls/image_control.h"
#include "controls/line_control.h"
#include "controls/shape_control.h"
#include "controls/vector_image.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quorvel {

namespace {

// A caption as screen readers hear it: its subject, if it has one, then its text.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const CaptionLabel*>(widget());
        if (kind != QAccessible::Name || !label->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        if (label->accessibleSubject().isEmpty())
            return label->text();
        return label->accessibleSubject() + QStringLiteral(": ") + label->text();
    }
};

// Called for each class of an object from the most derived one up, until a factory answers.
QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String(CaptionLabel::staticMetaObject.className()))
        return new CaptionAccessible(static_cast<CaptionLabel*>(object));
    // A screen is a plain top-level widget; as a window it is announced with its title when it
    // appears.
    if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    for (const QMetaObject* graphic :
         {&ImageControl::staticMetaObject, &VectorImage::staticMetaObject,
          &ShapeControl::staticMetaObject, &LineControl::staticMetaObject}) {
        if (className == QLatin1String(graphic->className()))
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quorvel
