#include "image/shared_state.h"

namespace zv {

Shared_State &Shared() {
  static Shared_State state;
  return state;
}

}  // namespace zv
