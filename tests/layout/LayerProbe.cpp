// Built only by check_layer_build, inside a layer's library: includes the header LAYER_PROBE names.
#include LAYER_PROBE
