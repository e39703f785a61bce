#include "app/MainView.h"

#include "app/KR5160View.h"

MainView CreateMainView(QWidget* parent) {
    return MakeMainView<CKR5160View>(parent);
}
