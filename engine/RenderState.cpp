// The renderer's draw path: the state callers set (blending, alpha test, tint)
// reaches GL only when something is drawn, as the program, blending and
// sampler that the triangles need.
#include <epoxy/gl.h>

#include <cmath>

#include "engine/Render.h"
#include "engine/Shaders.h"
#include "engine/Texture.h"

namespace qor {

namespace {

float Unit(uint32_t argb, int shift) {
    return static_cast<float>((argb >> shift) & 0xFF) / 255.0f;
}

}  // namespace

bool cRender::OpaqueDrawsPayOff() const {
    // Modes 1 and 2 take alpha from the tint, which is below 1 whenever they
    // are chosen. An alpha test at 255 lets nothing through, opaque or not.
    const bool alphaFromVertex =
        m_colorMode == kColorTexVertex || m_colorMode == kColorFactorAlphaVertex || m_colorMode < 0;
    const bool blendOrTest =
        m_blendKind == kBlendAlpha || (m_blendKind <= kBlendOff && m_alphaRef >= 0);
    return m_context && alphaFromVertex && blendOrTest && m_alphaRef < 255;
}

bool cRender::ClearTexelsHidden() const {
    return m_blendKind == kBlendAlpha || m_blendKind == kBlendAlphaAdd || m_alphaRef >= 0;
}

bool cRender::NothingShows() const {
    if (m_colorMode != kColorTexFactor && m_colorMode != kColorVertexAlphaFactor)
        return false;
    // Alpha is at most the tint's: the test drops it at or below its
    // reference, and blending by source alpha adds nothing at 0.
    const int alpha = static_cast<int>(m_tint >> 24);
    return (m_alphaRef >= 0 && alpha <= m_alphaRef) || (alpha == 0 && ClearTexelsHidden());
}

void cRender::ApplyDrawState(int hints) {
    const bool opaque = (hints & kDrawOpaque) && OpaqueDrawsPayOff();
    const bool blend = m_blendKind > kBlendOff && !opaque;
    if (static_cast<int>(blend) != m_glBlendOn) {
        if (blend) {
            glEnable(GL_BLEND);
        } else {
            glDisable(GL_BLEND);
        }
        m_glBlendOn = blend;
    }
    if (blend && m_blendKind != m_glBlendFunc) {
        glBlendEquation(GL_FUNC_ADD);
        if (m_blendKind == kBlendAlpha) {
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        } else if (m_blendKind == kBlendAlphaAdd) {
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        } else {
            glBlendFunc(GL_ONE, GL_ONE);
        }
        m_glBlendFunc = m_blendKind;
    }
    const bool alphaTest = m_alphaRef >= 0 && !opaque;
    int mode = m_colorMode < 0 ? kColorTexVertex : m_colorMode;
    if (mode == kColorTexVertex && (hints & kDrawPlainTexture))
        mode = kColorPlainTexture;
    const int index = (mode * 2 + (alphaTest ? 1 : 0)) * 2 + ((hints & kDrawWhiteTexels) ? 1 : 0);
    cProgram& p = m_programs[index];
    if (index != m_glProgram) {
        glUseProgram(p.name);
        m_glProgram = index;
    }
    if (p.projectionSerial != m_projectionSerial) {
        glUniformMatrix4fv(p.uProjection, 1, GL_FALSE, m_projection);
        p.projectionSerial = m_projectionSerial;
    }
    if (p.uFactor >= 0 && p.tintSerial != m_tintSerial) {
        glUniform4f(p.uFactor, Unit(m_tint, 16), Unit(m_tint, 8), Unit(m_tint, 0),
                    Unit(m_tint, 24));
        p.tintSerial = m_tintSerial;
    }
    if (alphaTest && p.alphaRef != m_alphaRef) {
        glUniform1f(p.uAlphaRef, static_cast<float>(m_alphaRef));
        p.alphaRef = m_alphaRef;
    }
}

bool cRender::PixelMapping(cPixelMapping* mapping) const {
    const float* m = m_projection;
    // Only a scale and an offset on each axis, nothing perspective.
    if (m[1] != 0.0f || m[4] != 0.0f || m[3] != 0.0f || m[7] != 0.0f || m[15] != 1.0f ||
        !m_viewport.valid() || !m_windowViewport.valid()) {
        return false;
    }
    const float w = static_cast<float>(m_viewport.w), h = static_cast<float>(m_viewport.h);
    const int bottom = m_windowViewport.y + m_windowViewport.h - m_viewport.y - m_viewport.h;
    mapping->sx = m[0] * w * 0.5f;
    mapping->sy = m[5] * h * 0.5f;
    mapping->ox = (m[12] + 1.0f) * w * 0.5f + static_cast<float>(m_viewport.x);
    mapping->oy = (m[13] + 1.0f) * h * 0.5f + static_cast<float>(bottom);
    return true;
}

void cRender::BindGLTexture(unsigned name) {
    if (!m_context || name == m_boundTexture)
        return;
    glBindTexture(GL_TEXTURE_2D, name);
    m_boundTexture = name;
}

void cRender::ForgetGLTexture(unsigned name) {
    if (name == m_boundTexture)
        m_boundTexture = ~0u;
}

void cRender::BindTexture(const cTexture* texture, bool nearestIsExact) {
    if (!m_context)
        return;
    cDeviceTexture* device =
        texture && texture->HasDeviceTexture() ? texture->device.get() : nullptr;
    BindGLTexture(device ? device->glName : m_white);
    // A sampler object overrides the texture's own filter while it is bound.
    unsigned sampler = 0;
    if (device && nearestIsExact && texture->filterKind != kFilterPoint)
        sampler = m_texelSamplers[device->addressMode == kAddressClamp ? 1 : 0];
    if (sampler != m_boundSampler) {
        glBindSampler(0, sampler);
        m_boundSampler = sampler;
    }
    if (!device)
        return;
    // Sampling parameters live in the GL texture object: set them only when
    // this texture's filter kind or address mode changed since last time.
    if (device->glFilter != texture->filterKind) {
        GLint minFilter = GL_LINEAR, magFilter = GL_LINEAR;
        switch (texture->filterKind) {
            case kFilterPoint:
                minFilter = magFilter = GL_NEAREST;
                break;
            case kFilterLinearMipPoint:
                minFilter = GL_LINEAR_MIPMAP_NEAREST;
                break;
            case kFilterLinearMipLinear:
                minFilter = GL_LINEAR_MIPMAP_LINEAR;
                break;
            default:
                break;
        }
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
        device->glFilter = texture->filterKind;
    }
    if (device->glAddress != device->addressMode) {
        const GLint wrap = device->addressMode == kAddressClamp ? GL_CLAMP_TO_EDGE : GL_REPEAT;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_R, wrap);
        device->glAddress = device->addressMode;
    }
}

void cRender::UploadVertices(const cVertex* vertices, size_t count) {
    if (!m_context || count == 0)
        return;
    const GLsizeiptr bytes = static_cast<GLsizeiptr>(count * sizeof(cVertex));
    MakeCurrent();
    glBindBuffer(GL_ARRAY_BUFFER, m_vbo);
    // Orphan the previous storage so the driver never waits for draws still
    // reading it.
    glBufferData(GL_ARRAY_BUFFER, bytes, nullptr, GL_STREAM_DRAW);
    glBufferSubData(GL_ARRAY_BUFFER, 0, bytes, vertices);
}

bool cRender::DrawTriangles(int first, int count, int hints) {
    if (!m_context || count <= 0 || first < 0)
        return false;
    ApplyDrawState(hints);
    glDrawArrays(GL_TRIANGLES, first, count);
    m_stats.vertices += count;
    m_stats.primitives += count / 3;
    m_stats.drawCalls += 1;
    return true;
}

}  // namespace qor
