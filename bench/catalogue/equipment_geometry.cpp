#include "bench/catalogue/equipment_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "bench/catalogue/equipment_keys.h"

namespace {

// Cavity helpers: a rectangle is stored as its four corners, closed again.
#define RECT_CAVITY(l, t, r, b) {{l, t}, {r, t}, {r, b}, {l, b}, {l, b}, {l, t}}, 3
#define NO_CAVITY {}, 0

// clang-format off
const BodyShape kBodyShapes[29] = {
    {},
    // The burner stands under a tripod whose gauze is the picture's top edge:
    // a vessel heated by it stands on the gauze, and the flame rises from the
    // burner's mouth below it.
    {1, "bunsen_burner",
     {{0.00f, 0.00f}, {1.00f, 0.00f}, {1.00f, 1.00f}, {0.00f, 1.00f}}, 4,
     0.20f, NO_CAVITY, 0.0f, 0.0f, 0, {0.10f, 0.90f, 0.90f, 1.00f}, {0.5f, 0.5f}, {}, {},
     {{"gauze", {0.00f, 0.00f, 1.00f, 0.05f}}, {"mouth", {0.43f, 0.30f, 0.57f, 0.32f}},
      {"air_collar", {0.38f, 0.62f, 0.62f, 0.70f}}, {"gas_inlet", {0.57f, 0.84f, 1.00f, 0.89f}}}},
    {2, "test_tube",
     {{0.00f, 0.00f}, {1.00f, 0.00f}, {0.92f, 0.04f}, {0.92f, 0.90f}, {0.75f, 0.98f},
      {0.50f, 1.00f}, {0.25f, 0.98f}, {0.08f, 0.90f}, {0.08f, 0.04f}}, 9,
     0.84f, {{0.10f, 0.06f}, {0.90f, 0.06f}, {0.90f, 0.90f}, {0.70f, 0.985f}, {0.30f, 0.985f},
             {0.10f, 0.90f}}, 1,
     0.985f, 0.10f, 0, {0.10f, 0.35f, 0.90f, 0.50f}, {0.5f, 0.90f}, {}, {}, {}},
    {3, "beaker",
     {{0.00f, 0.00f}, {1.00f, 0.00f}, {0.95f, 0.05f}, {0.95f, 0.97f}, {0.90f, 1.00f},
      {0.10f, 1.00f}, {0.05f, 0.97f}, {0.05f, 0.05f}}, 8,
     0.86f, RECT_CAVITY(0.07f, 0.10f, 0.93f, 0.98f),
     0.98f, 0.20f, 5, {0.30f, 0.45f, 0.70f, 0.60f}, {0.5f, 0.93f}, {}, {}, {}},
    {4, "erlenmeyer_flask",
     {{0.38f, 0.00f}, {0.62f, 0.00f}, {0.62f, 0.30f}, {0.98f, 0.95f}, {0.95f, 1.00f},
      {0.05f, 1.00f}, {0.02f, 0.95f}, {0.38f, 0.30f}}, 8,
     0.24f, {{0.40f, 0.12f}, {0.60f, 0.12f}, {0.60f, 0.31f}, {0.95f, 0.97f}, {0.05f, 0.97f},
             {0.40f, 0.31f}}, 1,
     // The label spot sits low on the right, clear of the graduations on the
     // left and of a thermometer standing in the middle.
     0.97f, 0.45f, 5, {0.62f, 0.78f, 0.88f, 0.90f}, {0.5f, 0.93f}, {}, {}, {}},
    {5, "florence_flask",
     {{0.42f, 0.00f}, {0.58f, 0.00f}, {0.58f, 0.33f}, {0.85f, 0.42f}, {1.00f, 0.65f},
      {0.88f, 0.92f}, {0.50f, 1.00f}, {0.12f, 0.92f}, {0.00f, 0.65f}, {0.15f, 0.42f},
      {0.42f, 0.33f}}, 11,
     0.16f, {{0.44f, 0.10f}, {0.56f, 0.10f}, {0.56f, 0.35f}, {0.97f, 0.65f}, {0.50f, 0.98f},
             {0.03f, 0.65f}}, 1,
     0.98f, 0.40f, 0, {0.30f, 0.60f, 0.70f, 0.75f}, {0.5f, 0.90f}, {}, {}, {}},
    {6, "graduated_cylinder",
     {{0.00f, 1.00f}, {1.00f, 1.00f}, {1.00f, 0.96f}, {0.72f, 0.95f}, {0.72f, 0.02f},
      {0.78f, 0.00f}, {0.22f, 0.00f}, {0.28f, 0.02f}, {0.28f, 0.95f}, {0.00f, 0.96f}}, 10,
     0.44f, RECT_CAVITY(0.30f, 0.03f, 0.70f, 0.94f),
     0.94f, 0.10f, 10, {0.30f, 0.50f, 0.70f, 0.60f}, {0.5f, 0.90f}, {}, {}, {}},
    {7, "buret",
     {{0.25f, 0.00f}, {0.75f, 0.00f}, {0.75f, 0.86f}, {0.95f, 0.88f}, {0.95f, 0.92f},
      {0.60f, 0.93f}, {0.55f, 1.00f}, {0.45f, 1.00f}, {0.40f, 0.93f}, {0.05f, 0.92f},
      {0.05f, 0.88f}, {0.25f, 0.86f}}, 12,
     0.50f, RECT_CAVITY(0.28f, 0.02f, 0.72f, 0.85f),
     0.85f, 0.05f, 10, {0.00f, 0.40f, 1.00f, 0.45f}, {0.5f, 0.80f}, {}, {},
     {{"stopcock", {0.05f, 0.87f, 0.95f, 0.93f}}}},
    {8, "watch_glass",
     {{0.00f, 0.00f}, {0.06f, 0.00f}, {0.20f, 0.60f}, {0.50f, 0.90f}, {0.80f, 0.60f},
      {0.94f, 0.00f}, {1.00f, 0.00f}, {0.85f, 0.70f}, {0.50f, 1.00f}, {0.15f, 0.70f}}, 10,
     0.90f, {{0.06f, 0.10f}, {0.94f, 0.10f}, {0.80f, 0.60f}, {0.60f, 0.85f}, {0.40f, 0.85f},
             {0.20f, 0.60f}}, 1,
     0.85f, 0.10f, 0, {0.35f, 0.20f, 0.65f, 0.60f}, {0.5f, 0.70f}, {}, {}, {}},
    {9, "evaporation_dish",
     {{0.00f, 0.00f}, {1.00f, 0.00f}, {0.90f, 0.70f}, {0.70f, 0.95f}, {0.65f, 1.00f},
      {0.35f, 1.00f}, {0.30f, 0.95f}, {0.10f, 0.70f}}, 8,
     0.92f, {{0.04f, 0.08f}, {0.96f, 0.08f}, {0.88f, 0.68f}, {0.68f, 0.90f}, {0.32f, 0.90f},
             {0.12f, 0.68f}}, 1,
     0.90f, 0.15f, 0, {0.35f, 0.30f, 0.65f, 0.60f}, {0.5f, 0.80f}, {}, {}, {}},
    {10, "calorimeter",
     {{0.00f, 0.04f}, {1.00f, 0.04f}, {1.00f, 0.12f}, {0.95f, 0.12f}, {0.88f, 1.00f},
      {0.12f, 1.00f}, {0.05f, 0.12f}, {0.00f, 0.12f}}, 8,
     0.60f, {{0.10f, 0.16f}, {0.90f, 0.16f}, {0.85f, 0.96f}, {0.85f, 0.96f}, {0.15f, 0.96f},
             {0.10f, 0.16f}}, 1,
     0.96f, 0.25f, 0, {0.30f, 0.50f, 0.70f, 0.65f}, {0.5f, 0.90f}, {}, {},
     {{"lid", {0.00f, 0.00f, 1.00f, 0.12f}}}},
    {11, "conductivity_meter",
     {{0.00f, 0.00f}, {1.00f, 0.00f}, {1.00f, 0.45f}, {0.70f, 0.45f}, {0.70f, 1.00f},
      {0.30f, 1.00f}, {0.30f, 0.45f}, {0.00f, 0.45f}}, 8,
     // The display fills the meter's face, its reading in two lines; the
     // probe hangs from a stand's clamp, its cable kept clear of the digits.
     0.0f, NO_CAVITY, 0.0f, 0.0f, 0, {0.06f, 0.05f, 0.94f, 0.25f}, {0.5f, 0.95f}, {}, {},
     {{"display", {0.06f, 0.05f, 0.94f, 0.25f}}, {"electrodes", {0.42f, 0.55f, 0.58f, 1.00f}},
      {"stand_rod", {0.00f, 0.00f, 0.05f, 1.00f}}}},
    {12, "hot_plate",
     {{0.02f, 0.00f}, {0.98f, 0.00f}, {0.98f, 0.10f}, {1.00f, 0.10f}, {1.00f, 1.00f},
      {0.00f, 1.00f}, {0.00f, 0.10f}, {0.02f, 0.10f}}, 8,
     0.96f, NO_CAVITY, 0.0f, 0.0f, 0, {0.05f, 0.55f, 0.35f, 0.90f}, {0.5f, 0.0f}, {}, {},
     {{"heat_knob", {0.45f, 0.35f, 0.62f, 0.85f}}, {"stir_knob", {0.75f, 0.35f, 0.92f, 0.85f}},
      {"plate", {0.02f, 0.00f, 0.98f, 0.10f}}}},
    {13, "round_bottom_flask",
     {{0.42f, 0.00f}, {0.58f, 0.00f}, {0.58f, 0.38f}, {0.85f, 0.46f}, {1.00f, 0.70f},
      {0.88f, 0.94f}, {0.50f, 1.00f}, {0.12f, 0.94f}, {0.00f, 0.70f}, {0.15f, 0.46f},
      {0.42f, 0.38f}}, 11,
     0.16f, {{0.44f, 0.10f}, {0.56f, 0.10f}, {0.56f, 0.40f}, {0.97f, 0.70f}, {0.50f, 0.98f},
             {0.03f, 0.70f}}, 1,
     0.98f, 0.45f, 0, {0.30f, 0.65f, 0.70f, 0.80f}, {0.5f, 0.92f}, {}, {}, {}},
    {14, "metal_wire",
     {{0.00f, 0.42f}, {0.40f, 0.42f}, {0.95f, 0.48f}, {1.00f, 0.50f}, {0.95f, 0.52f},
      {0.40f, 0.58f}, {0.00f, 0.58f}}, 7,
     0.0f, RECT_CAVITY(0.90f, 0.45f, 1.00f, 0.55f),
     0.55f, 0.45f, 0, {0.05f, 0.20f, 0.35f, 0.40f}, {0.5f, 0.5f}, {}, {},
     {{"handle", {0.00f, 0.40f, 0.40f, 0.60f}}, {"loop", {0.88f, 0.44f, 1.00f, 0.56f}}}},
    {15, "electrochemical_cell",
     {{0.10f, 0.00f}, {0.90f, 0.00f}, {0.90f, 0.35f}, {0.95f, 0.35f}, {0.95f, 1.00f},
      {0.05f, 1.00f}, {0.05f, 0.35f}, {0.10f, 0.35f}}, 8,
     0.80f, RECT_CAVITY(0.08f, 0.45f, 0.92f, 0.98f),
     0.98f, 0.50f, 0, {0.10f, 0.03f, 0.90f, 0.17f}, {0.5f, 0.90f}, {}, {},
     {{"electrode_left", {0.20f, 0.30f, 0.35f, 0.95f}}, {"electrode_right", {0.65f, 0.30f, 0.80f, 0.95f}}}},
    {16, "eye_dropper",
     {{0.10f, 0.00f}, {0.90f, 0.00f}, {0.90f, 0.30f}, {0.65f, 0.35f}, {0.60f, 0.95f},
      {0.50f, 1.00f}, {0.40f, 0.95f}, {0.35f, 0.35f}, {0.10f, 0.30f}}, 9,
     0.10f, {{0.38f, 0.40f}, {0.62f, 0.40f}, {0.58f, 0.90f}, {0.52f, 0.98f}, {0.48f, 0.98f},
             {0.42f, 0.90f}}, 1,
     0.98f, 0.40f, 0, {0.10f, 0.05f, 0.90f, 0.25f}, {0.5f, 0.9f}, {}, {},
     {{"bulb", {0.10f, 0.00f, 0.90f, 0.32f}}}},
    {17, "centigram_balance",
     {{0.00f, 0.85f}, {0.45f, 0.85f}, {0.45f, 0.20f}, {0.55f, 0.20f}, {0.55f, 0.85f},
      {1.00f, 0.85f}, {1.00f, 1.00f}, {0.00f, 1.00f}}, 8,
     0.30f, RECT_CAVITY(0.03f, 0.70f, 0.33f, 0.80f),
     0.80f, 0.70f, 0, {0.60f, 0.90f, 0.95f, 0.98f}, {0.18f, 0.75f},
     {0.03f, 0.00f, 0.33f, 0.80f}, {0.23f, 0.15f},
     {{"pan_post", {0.16f, 0.80f, 0.20f, 0.85f}}, {"beam", {0.23f, 0.15f, 0.95f, 0.25f}}}},
    {18, "electronic_balance",
     {{0.15f, 0.10f}, {0.85f, 0.10f}, {0.85f, 0.18f}, {1.00f, 0.30f}, {1.00f, 1.00f},
      {0.00f, 1.00f}, {0.00f, 0.30f}, {0.15f, 0.18f}}, 8,
     0.70f, RECT_CAVITY(0.04f, 0.00f, 0.96f, 0.10f),
     0.10f, 0.00f, 0, {0.04f, 0.45f, 0.56f, 0.88f}, {0.5f, 0.08f},
     {0.04f, 0.05f, 0.96f, 0.15f}, {0.0f, 0.0f},
     {{"display", {0.55f, 0.50f, 0.95f, 0.85f}}}},
    {19, "high_sensitivity_balance",
     {{0.00f, 0.00f}, {1.00f, 0.00f}, {1.00f, 1.00f}, {0.00f, 1.00f}}, 4,
     0.60f, RECT_CAVITY(0.12f, 0.50f, 0.88f, 0.62f),
     0.62f, 0.50f, 0, {0.04f, 0.78f, 0.58f, 0.95f}, {0.5f, 0.60f},
     {0.12f, 0.62f, 0.88f, 0.68f}, {0.0f, 0.0f},
     {{"draft_shield", {0.02f, 0.02f, 0.98f, 0.72f}}, {"display", {0.55f, 0.80f, 0.95f, 0.95f}}}},
    {20, "pipet",
     {{0.45f, 0.00f}, {0.55f, 0.00f}, {0.55f, 0.30f}, {0.90f, 0.38f}, {0.90f, 0.60f},
      {0.55f, 0.68f}, {0.52f, 1.00f}, {0.48f, 1.00f}, {0.45f, 0.68f}, {0.10f, 0.60f},
      {0.10f, 0.38f}, {0.45f, 0.30f}}, 12,
     0.10f, {{0.47f, 0.18f}, {0.53f, 0.18f}, {0.88f, 0.42f}, {0.52f, 0.98f}, {0.48f, 0.98f},
             {0.12f, 0.42f}}, 1,
     0.98f, 0.18f, 1, {0.15f, 0.45f, 0.85f, 0.55f}, {0.5f, 0.9f}, {}, {}, {}},
    {21, "spectrophotometer",
     {{0.00f, 0.20f}, {0.70f, 0.20f}, {0.70f, 0.00f}, {0.82f, 0.00f}, {0.82f, 0.20f},
      {1.00f, 0.20f}, {1.00f, 1.00f}, {0.00f, 1.00f}}, 8,
     0.12f, RECT_CAVITY(0.71f, 0.02f, 0.81f, 0.20f),
     0.20f, 0.04f, 0, {0.05f, 0.28f, 0.45f, 0.48f}, {0.76f, 0.15f}, {}, {},
     {{"display", {0.10f, 0.50f, 0.60f, 0.70f}}, {"cuvette", {0.70f, 0.00f, 0.82f, 0.22f}},
      {"wavelength_knob", {0.70f, 0.55f, 0.90f, 0.75f}}}},
    {22, "dumas_bulb",
     {{0.48f, 0.00f}, {0.52f, 0.00f}, {0.53f, 0.35f}, {0.85f, 0.45f}, {1.00f, 0.68f},
      {0.85f, 0.92f}, {0.50f, 1.00f}, {0.15f, 0.92f}, {0.00f, 0.68f}, {0.15f, 0.45f},
      {0.47f, 0.35f}}, 11,
     0.06f, {{0.49f, 0.05f}, {0.51f, 0.05f}, {0.52f, 0.37f}, {0.97f, 0.68f}, {0.50f, 0.98f},
             {0.03f, 0.68f}}, 1,
     0.98f, 0.40f, 0, {0.30f, 0.60f, 0.70f, 0.75f}, {0.5f, 0.9f}, {}, {}, {}},
    {23, "volumetric_flask",
     {{0.42f, 0.00f}, {0.58f, 0.00f}, {0.58f, 0.55f}, {0.90f, 0.70f}, {1.00f, 0.85f},
      {0.90f, 1.00f}, {0.10f, 1.00f}, {0.00f, 0.85f}, {0.10f, 0.70f}, {0.42f, 0.55f}}, 10,
     0.16f, {{0.44f, 0.05f}, {0.56f, 0.05f}, {0.56f, 0.57f}, {0.97f, 0.98f}, {0.03f, 0.98f},
             {0.44f, 0.57f}}, 1,
     0.98f, 0.25f, 1, {0.30f, 0.75f, 0.70f, 0.90f}, {0.5f, 0.93f}, {}, {},
     {{"stopper", {0.40f, 0.00f, 0.60f, 0.04f}}}},
    {24, "gas_syringe",
     {{0.10f, 0.00f}, {0.90f, 0.00f}, {0.90f, 0.03f}, {0.55f, 0.03f}, {0.55f, 0.30f},
      {0.80f, 0.30f}, {0.80f, 0.95f}, {0.55f, 0.95f}, {0.55f, 1.00f}, {0.45f, 1.00f},
      {0.45f, 0.95f}, {0.20f, 0.95f}, {0.20f, 0.30f}, {0.45f, 0.30f}, {0.45f, 0.03f},
      {0.10f, 0.03f}}, 16,
     0.10f, RECT_CAVITY(0.22f, 0.32f, 0.78f, 0.93f),
     0.93f, 0.32f, 12, {0.25f, 0.40f, 0.75f, 0.50f}, {0.5f, 0.6f}, {}, {},
     {{"plunger", {0.10f, 0.00f, 0.90f, 0.34f}}}},
    // The graduated tube starts below the stopcock the renderer draws about
    // a fifth of the way down.
    {25, "inverted_buret",
     {{0.45f, 0.00f}, {0.55f, 0.00f}, {0.60f, 0.20f}, {0.95f, 0.20f}, {0.95f, 0.23f},
      {0.75f, 0.23f}, {0.75f, 1.00f}, {0.25f, 1.00f}, {0.25f, 0.23f}, {0.05f, 0.23f},
      {0.05f, 0.20f}, {0.40f, 0.20f}}, 12,
     0.50f, RECT_CAVITY(0.28f, 0.24f, 0.72f, 0.98f),
     0.98f, 0.24f, 10, {0.00f, 0.50f, 1.00f, 0.55f}, {0.5f, 0.9f}, {}, {},
     {{"stopcock", {0.05f, 0.20f, 0.95f, 0.23f}}}},
    {26, "geiger_counter",
     {{0.00f, 0.00f}, {0.30f, 0.00f}, {0.30f, 0.60f}, {1.00f, 0.60f}, {1.00f, 1.00f},
      {0.00f, 1.00f}}, 6,
     0.0f, NO_CAVITY, 0.0f, 0.0f, 0, {0.03f, 0.08f, 0.22f, 0.33f}, {0.5f, 0.5f}, {}, {},
     {{"display", {0.03f, 0.30f, 0.27f, 0.50f}}, {"track", {0.30f, 0.70f, 1.00f, 0.90f}},
      {"source_holder", {0.60f, 0.62f, 0.70f, 0.72f}}}},
    {27, "separatory_funnel",
     {{0.42f, 0.00f}, {0.58f, 0.00f}, {0.58f, 0.06f}, {0.95f, 0.35f}, {0.80f, 0.62f},
      {0.56f, 0.70f}, {0.56f, 0.80f}, {0.62f, 0.80f}, {0.62f, 0.84f}, {0.53f, 0.84f},
      {0.52f, 1.00f}, {0.48f, 1.00f}, {0.47f, 0.84f}, {0.38f, 0.84f}, {0.38f, 0.80f},
      {0.44f, 0.80f}, {0.44f, 0.70f}, {0.20f, 0.62f}, {0.05f, 0.35f}, {0.42f, 0.06f}}, 20,
     0.16f, {{0.44f, 0.08f}, {0.56f, 0.08f}, {0.93f, 0.35f}, {0.56f, 0.68f}, {0.44f, 0.68f},
             {0.07f, 0.35f}}, 1,
     0.68f, 0.12f, 0, {0.30f, 0.30f, 0.70f, 0.42f}, {0.5f, 0.6f}, {}, {},
     {{"stopper", {0.40f, 0.00f, 0.60f, 0.06f}}, {"stopcock", {0.38f, 0.79f, 0.62f, 0.85f}}}},
    {28, "paper_chromatography",
     {{0.50f, 0.10f}, {0.95f, 0.10f}, {0.95f, 1.00f}, {0.50f, 1.00f}}, 4,
     0.0f, RECT_CAVITY(0.52f, 0.85f, 0.93f, 0.98f),
     0.98f, 0.85f, 0, {0.55f, 0.40f, 0.90f, 0.50f}, {0.5f, 0.5f}, {}, {},
     {{"paper", {0.05f, 0.10f, 0.30f, 0.95f}}, {"lid", {0.48f, 0.08f, 0.97f, 0.15f}}}},
};
// clang-format on

// Fitted accessories: body box and parts in pixels of the large picture,
// turned into fractions of the row's picture below.
struct PixelBox {
    int32_t left, top, right, bottom;
};
struct PixelPart {
    const char* name;
    PixelBox box;
};
struct FittedRow {
    int32_t row;
    PixelBox body;
    PixelPart parts[kMaxShapeParts];
    PointI32 outlet;  // (0, 0) = none
};

// clang-format off
const FittedRow kFittedRows[] = {
    // Erlenmeyer flask: Buchner funnel, vapour pressure assembly.
    {11, {0, 87, 226, 382}, {{"buchner_funnel", {30, 0, 196, 115}}}, {}},
    {12, {0, 88, 226, 383}, {{"pressure_assembly", {70, 0, 156, 120}}}, {}},
    {14, {0, 106, 271, 460}, {{"buchner_funnel", {36, 0, 235, 140}}}, {}},
    // Calorimeter with its thermometer.
    {26, {0, 114, 162, 351}, {{"thermometer", {73, 0, 89, 320}}}, {}},
    // Round-bottom flask: mantle, distillation head, condenser, take-off, reflux.
    {31, {25, 0, 250, 285}, {{"heating_mantle", {0, 200, 276, 370}}}, {}},
    {32, {25, 329, 250, 614}, {{"heating_mantle", {0, 529, 276, 699}},
                               {"distillation_head", {75, 0, 200, 340}}}, {}},
    {33, {25, 357, 250, 642}, {{"heating_mantle", {0, 557, 276, 727}},
                               {"reflux_condenser", {98, 0, 178, 370}}}, {}},
    {34, {0, 357, 225, 642}, {{"reflux_condenser", {73, 0, 153, 370}}}, {}},
    {35, {25, 329, 250, 614}, {{"heating_mantle", {0, 529, 276, 699}},
                               {"distillation_head", {75, 0, 200, 340}},
                               {"condenser", {150, 40, 600, 420}}}, {595, 415}},
    {36, {25, 329, 250, 614}, {{"heating_mantle", {0, 529, 276, 699}},
                               {"distillation_head", {75, 0, 200, 340}},
                               {"condenser", {150, 40, 600, 420}},
                               {"take_off", {560, 380, 665, 560}}}, {640, 555}},
    {37, {0, 329, 225, 614}, {{"distillation_head", {50, 0, 175, 340}}}, {}},
    {38, {0, 329, 225, 614}, {{"distillation_head", {50, 0, 175, 340}},
                              {"condenser", {125, 40, 574, 420}}}, {569, 415}},
    {39, {0, 329, 225, 614}, {{"distillation_head", {50, 0, 175, 340}},
                              {"condenser", {125, 40, 574, 420}},
                              {"take_off", {534, 380, 639, 560}}}, {615, 555}},
};
// clang-format on

UnitRect ToFractions(const PixelBox& b, const PictureSize& size) {
    const float w = static_cast<float>(size.width), h = static_cast<float>(size.height);
    return {b.left / w, b.top / h, b.right / w, b.bottom / h};
}

// The upright row of the same kind and size that a turned row shows.
int32_t UprightCounterpart(int32_t row) {
    const TemplateKeyRow& k = kTemplateKeys[row];
    int32_t fallback = -1;
    for (int32_t r = 0; r < kTemplateRowCount; ++r) {
        const TemplateKeyRow& u = kTemplateKeys[r];
        if (u.type != k.type || u.sizeIndex != k.sizeIndex || u.variant != 0) continue;
        if (u.state == k.state) return r;
        if (fallback < 0) fallback = r;
    }
    return fallback;
}

BodyTurn TurnOfRow(int32_t row) {
    const TemplateKeyRow& k = kTemplateKeys[row];
    if (k.type == kMetalWire && (k.state & 0x1)) return BodyTurn::kMouthRight;  // hanging wire
    if (k.variant == 0) return BodyTurn::kUpright;
    const int32_t upright = UprightCounterpart(row);
    if (upright < 0) return BodyTurn::kUpright;
    const PictureSize& u = kTemplateKeys[upright].large;
    const bool uprightTall = u.height > u.width, rowTall = k.large.height > k.large.width;
    return uprightTall != rowTall ? BodyTurn::kMouthLeft : BodyTurn::kUpright;
}

PointI32 Pixel(UnitPoint p, int32_t width, int32_t height) {
    return {static_cast<int32_t>(std::lround(p.x * width)),
            static_cast<int32_t>(std::lround(p.y * height))};
}

UnitPoint TurnPoint(UnitPoint p, BodyTurn turn) {
    switch (turn) {
        case BodyTurn::kMouthLeft: return {p.y, 1.0f - p.x};
        case BodyTurn::kMouthRight: return {1.0f - p.y, p.x};
        case BodyTurn::kUpright: break;
    }
    return p;
}

RectI32 PictureRect(const RowLayout& layout, const UnitRect& body, int32_t w, int32_t h) {
    const PointI32 a = BodyPointInPicture(layout, {body.left, body.top}, w, h);
    const PointI32 b = BodyPointInPicture(layout, {body.right, body.bottom}, w, h);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

const BodyShape& EquipmentBodyShape(int32_t type) {
    return kBodyShapes[IsEquipmentType(type) ? type : 0];
}

const ShapePart* FindShapePart(const BodyShape& shape, const char* name) {
    for (const ShapePart& part : shape.parts)
        if (part.name && name && std::strcmp(part.name, name) == 0) return &part;
    return nullptr;
}

RowLayout TemplateRowLayout(int32_t row) {
    RowLayout layout{{0.0f, 0.0f, 1.0f, 1.0f}, TurnOfRow(row), {}, {}, false};
    for (const FittedRow& f : kFittedRows) {
        if (f.row != row) continue;
        const PictureSize& size = kTemplateKeys[row].large;
        layout.bodyBox = ToFractions(f.body, size);
        for (int i = 0; i < kMaxShapeParts && f.parts[i].name; ++i)
            layout.parts[i] = {f.parts[i].name, ToFractions(f.parts[i].box, size)};
        if (f.outlet.x || f.outlet.y) {
            layout.outlet = {static_cast<float>(f.outlet.x) / size.width,
                             static_cast<float>(f.outlet.y) / size.height};
            layout.hasOutlet = true;
        }
    }
    return layout;
}

PointI32 BodyPointInPicture(const RowLayout& layout, UnitPoint body, int32_t width,
                            int32_t height) {
    const UnitPoint turned = TurnPoint(body, layout.turn);
    const UnitRect& b = layout.bodyBox;
    const UnitPoint inPicture{b.left + turned.x * (b.right - b.left),
                              b.top + turned.y * (b.bottom - b.top)};
    return Pixel(inPicture, width, height);
}

void WriteRowGeometry(int32_t row, LabObject& head) {
    const TemplateKeyRow& key = kTemplateKeys[row];
    const BodyShape& shape = EquipmentBodyShape(key.type);
    const RowLayout layout = TemplateRowLayout(row);
    const int32_t w = head.pictureWidth, h = head.pictureHeight;
    const bool upright = layout.turn == BodyTurn::kUpright;

    // The body's own width and length in this picture, in pixels.
    const float boxWidth = (layout.bodyBox.right - layout.bodyBox.left) * w;
    const float boxHeight = (layout.bodyBox.bottom - layout.bodyBox.top) * h;
    const float bodyWidth = upright ? boxWidth : boxHeight;
    const float bodyLength = upright ? boxHeight : boxWidth;

    head.openingWidth = static_cast<int32_t>(std::lround(shape.openingWidth * bodyWidth));
    const float bodyCentreX = (layout.bodyBox.left + layout.bodyBox.right) * 0.5f;
    head.combineOffsetX = static_cast<int32_t>(std::lround((bodyCentreX - 0.5f) * w));

    const PointI32 accessory = layout.parts[0].name
                                   ? Pixel({layout.parts[0].box.left, layout.parts[0].box.top}, w, h)
                                   : BodyPointInPicture(layout, shape.accessory, w, h);
    head.accessoryOffsetX = accessory.x;
    head.accessoryOffsetY = accessory.y;
    head.labelArea = PictureRect(layout, shape.label, w, h);

    for (int i = 0; i < 6; ++i)
        head.liquidOutline[i] = shape.cavityShape ? BodyPointInPicture(layout, shape.cavity[i], w, h)
                                                  : PointI32{0, 0};
    head.outlineShape = shape.cavityShape;

    // Pixels per tenth of a millilitre along the vessel's axis, so that a
    // full vessel's surface stands at its full level.
    float scale = 0.0f;
    if (shape.cavityShape && key.capacityMl > 0)
        scale = (shape.liquidFloor - shape.fullLevel) * bodyLength / (key.capacityMl * 10.0f);
    head.liquidHeightScale = scale;
    head.liquidWidthScale = upright ? 0.0f : scale;

    const PointI32 thermometer = BodyPointInPicture(layout, shape.thermometer, w, h);
    head.thermometerX = thermometer.x;
    head.thermometerY = thermometer.y;
    head.balancePan = shape.pan.right > shape.pan.left ? PictureRect(layout, shape.pan, w, h)
                                                       : RectI32{0, 0, 0, 0};
    const PointI32 outlet = layout.hasOutlet ? Pixel(layout.outlet, w, h) : PointI32{0, 0};
    head.outletX = outlet.x;
    head.outletY = outlet.y;
    // Every receiving vessel's mouth is the top of its picture.
    head.inletX = 0;
    head.inletY = 0;
}
