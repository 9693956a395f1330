#include "engine/Shaders.h"

#include <epoxy/gl.h>

namespace qor {

namespace {

// Engine texture coordinates count v from the bottom of the image, but images
// are uploaded top row first: v is flipped here rather than in every caller.
constexpr const char* kVertexSource = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec4 aColor;
layout(location = 2) in vec2 aTexCoord;
uniform mat4 uProjection;
out vec4 vColor;
out vec2 vTexCoord;
void main() {
    gl_Position = uProjection * vec4(aPosition, 1.0);
    vColor = aColor;
    vTexCoord = vec2(aTexCoord.x, 1.0 - aTexCoord.y);
}
)";

// COLOR_MODE selects the combination of texture, vertex colour and tint
// (uFactor): 0 texture × vertex; 1 texture × tint; 2 colour texture × vertex,
// alpha texture × tint; 3 colour texture × tint, alpha texture × vertex; 4 the
// texture alone.
// With WHITE_TEXELS the texture is not read: every texel the draw would
// sample is opaque white, and reading it costs a software rasteriser more than
// the rest of the fragment.
// With ALPHA_TEST a fragment survives only when its alpha in 0..255 is greater
// than uAlphaRef, as a fixed-function "greater" test on bytes would decide.
constexpr const char* kFragmentSource = R"(
in vec4 vColor;
in vec2 vTexCoord;
uniform sampler2D uTexture;
uniform vec4 uFactor;
uniform float uAlphaRef;
out vec4 fragColor;
void main() {
#if WHITE_TEXELS
    vec4 t = vec4(1.0);
#else
    vec4 t = texture(uTexture, vTexCoord);
#endif
#if COLOR_MODE == 1
    vec4 c = t * uFactor;
#elif COLOR_MODE == 2
    vec4 c = vec4(t.rgb * vColor.rgb, t.a * uFactor.a);
#elif COLOR_MODE == 3
    vec4 c = vec4(t.rgb * uFactor.rgb, t.a * vColor.a);
#elif COLOR_MODE == 4
    vec4 c = t;
#else
    vec4 c = t * vColor;
#endif
#if ALPHA_TEST
    if (floor(c.a * 255.0 + 0.5) <= uAlphaRef) discard;
#endif
    fragColor = c;
}
)";

unsigned Compile(GLenum kind, const std::string& source, std::string* error) {
    GLuint shader = glCreateShader(kind);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == GL_TRUE)
        return shader;
    char log[1024] = {};
    glGetShaderInfoLog(shader, sizeof(log) - 1, nullptr, log);
    *error = log;
    glDeleteShader(shader);
    return 0;
}

}  // namespace

unsigned BuildSpriteProgram(int colorMode, bool alphaTest, bool whiteTexels, std::string* error) {
    std::string ignored;
    if (!error)
        error = &ignored;
    const GLuint vs = Compile(GL_VERTEX_SHADER, kVertexSource, error);
    if (!vs)
        return 0;
    const std::string fragment = "#version 330 core\n#define COLOR_MODE " +
                                 std::to_string(colorMode) + "\n#define ALPHA_TEST " +
                                 (alphaTest ? "1" : "0") + "\n#define WHITE_TEXELS " +
                                 (whiteTexels ? "1" : "0") + "\n" + kFragmentSource;
    const GLuint fs = Compile(GL_FRAGMENT_SHADER, fragment, error);
    if (!fs) {
        glDeleteShader(vs);
        return 0;
    }
    GLuint program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok == GL_TRUE)
        return program;
    char log[1024] = {};
    glGetProgramInfoLog(program, sizeof(log) - 1, nullptr, log);
    *error = log;
    glDeleteProgram(program);
    return 0;
}

}  // namespace qor
